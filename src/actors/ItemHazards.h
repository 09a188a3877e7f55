#pragma once
// The items that stay: two spikes that kill on touch, and the cross marker
// that only keeps blocks out of its cell (as the second spike does too).

#include "actors/CItem.h"

class CItem_Toge : public CItem {
 public:
  CItem_Toge(int x, int y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_Toge"; }
};

class CItem_Toge2 : public CItem {
 public:
  CItem_Toge2(int x, int y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_Toge2"; }
};

class CItem_Batu : public CItem {
 public:
  CItem_Batu(int x, int y);
  const char* ClassName() const override { return "CItem_Batu"; }
};
