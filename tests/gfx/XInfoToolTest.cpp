// vexhop-xinfo as the asset tests and modders call it: one JSON line per file.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
  std::string output;
  int status = -1;
};

ToolRun XInfo(const std::string& arguments) {
  std::string command = std::string(VEXHOP_TREE) + "/bin/vexhop-xinfo " + arguments + " 2>&1";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

const std::string kCorpus = std::string(VEXHOP_TEST_DATA) + "/xfiles/";

}  // namespace

TEST(XInfoTool, PrintsOneObjectPerFileAndFailsWhenAnyIsRefused) {
  ToolRun good = XInfo(kCorpus + "directx-sdk-legacy-samples/tiny.x " + kCorpus + "assimp/Testwuson.X");
  ASSERT_EQ(good.status, 0) << good.output << " (is vexhop-xinfo built?)";
  EXPECT_NE(good.output.find("\"ok\":true,\"encoding\":\"txt\",\"floatBits\":32,\"frames\":48,\"meshes\":1,"
                             "\"vertices\":4432,\"faces\":6841,\"materials\":1,\"textures\":[\"Tiny_skin.dds\"],"
                             "\"bones\":35,\"ticksPerSecond\":4800,"
                             "\"animationSets\":[{\"name\":\"\",\"keys\":2794,\"length\":1.03333}]}\n"),
            std::string::npos)
      << good.output;
  EXPECT_NE(good.output.find("{\"name\":\"Wuson_Walk\",\"keys\":3435,\"length\":3.6}"), std::string::npos);

  ToolRun bad = XInfo(kCorpus + "assimp/invalid/empty.x " + kCorpus + "assimp/test.x");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.output.find("\"ok\":false,\"error\":\"" + kCorpus + "assimp/invalid/empty.x: not an X file"),
            std::string::npos)
      << bad.output;
  EXPECT_NE(bad.output.find("\"textures\":[\".\\\\\\\\test.png\"]"), std::string::npos) << bad.output;

  EXPECT_EQ(XInfo("").status, 2);
}
