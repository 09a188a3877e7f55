#include "Models.h"

#include <numbers>

#include "AssetGen.h"
#include "Pictures.h"

Matrix Move(float x, float y, float z) { return MatrixTranslation(x, y, z); }
Matrix TurnX(float degrees) { return MatrixRotationX(degrees * std::numbers::pi_v<float> / 180); }
Matrix TurnY(float degrees) { return MatrixRotationY(degrees * std::numbers::pi_v<float> / 180); }
Matrix TurnZ(float degrees) { return MatrixRotationZ(degrees * std::numbers::pi_v<float> / 180); }

void WriteStaticModel(const std::string& treeDir, const std::string& name, MeshBuilder& mesh) {
  // Frame names must be identifiers, and "1up" starts with a digit.
  XFrame root{"Frame_" + name, Matrix{}, {mesh.Finish()}, {}};
  WriteXFile(AssetPath(treeDir, "Model", name + ".x"), {root});
}

void WriteModels(const std::string& treeDir) {
  WriteItemModels(treeDir);
  WriteEnemyModels(treeDir);
  WriteBackgroundModels(treeDir);
  WriteGoremu(treeDir);
}
