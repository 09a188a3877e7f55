#include "Models.h"

#include <numbers>

#include "AssetGen.h"
#include "Pictures.h"

Matrix Move(float x, float y, float z) { return MatrixTranslation(x, y, z); }
Matrix TurnX(float degrees) { return MatrixRotationX(degrees * std::numbers::pi_v<float> / 180); }
Matrix TurnY(float degrees) { return MatrixRotationY(degrees * std::numbers::pi_v<float> / 180); }
Matrix TurnZ(float degrees) { return MatrixRotationZ(degrees * std::numbers::pi_v<float> / 180); }

void WriteModels(const std::string& treeDir) {
  for (const auto& group : {ItemModels(), EnemyModels(), BackgroundModels()})
    for (const StaticModel& model : group) {
      // Frame names must be identifiers, and "1up" starts with a digit.
      ModelFrame root{"Frame_" + model.name, Matrix{}, {model.mesh}, {}};
      WriteXFile(AssetPath(treeDir, "Model", model.name + ".x"), {root});
    }
  WriteBackgroundPictures(treeDir);
  WriteGoremu(treeDir);
}
