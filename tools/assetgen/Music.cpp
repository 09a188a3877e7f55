#include <string>

#include "AssetGen.h"
#include "AudioFiles.h"
#include "Midi.h"
#include "Pieces.h"

void WriteMusic(const std::string& treeDir) {
  using namespace audiogen;
  for (const auto& pieces : {MenuPieces(), StagePieces()}) {
    for (const Piece& piece : pieces) {
      WriteFileBytes(treeDir + "/BGM/" + piece.file, EncodeMidi(Arrange(piece)));
    }
  }
}
