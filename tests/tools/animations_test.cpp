#include <gif_lib.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Animation {
  const char* file;
  int frames;
  int width;
  int height;
};

class GeneratedAnimation : public testing::TestWithParam<Animation> {};

TEST_P(GeneratedAnimation, DecodesAsALoopingAnimationWithItsFrames) {
  const Animation& expected = GetParam();
  const std::string path = std::string(KESTRIN_RUNTIME_DIR) + "/" + expected.file;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  ASSERT_NE(gif, nullptr) << path << ": " << GifErrorString(error);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
  EXPECT_EQ(gif->ImageCount, expected.frames);
  EXPECT_EQ(gif->SWidth, expected.width);
  EXPECT_EQ(gif->SHeight, expected.height);
  bool loops = false;
  // Blocks before the first frame are kept with that frame.
  const SavedImage& first = gif->SavedImages[0];
  for (int i = 0; i < first.ExtensionBlockCount; ++i) {
    const ExtensionBlock& block = first.ExtensionBlocks[i];
    if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11)
      loops = std::string(reinterpret_cast<const char*>(block.Bytes), 11) == "NETSCAPE2.0";
  }
  EXPECT_TRUE(loops) << "no looping block";
  GraphicsControlBlock control{};
  ASSERT_EQ(DGifSavedExtensionToGCB(gif, 0, &control), GIF_OK);
  EXPECT_GT(control.DelayTime, 0);
  DGifCloseFile(gif, &error);
}

INSTANTIATE_TEST_SUITE_P(BuiltFiles, GeneratedAnimation,
                         testing::Values(Animation{"kestrin.gif", 24, 200, 120}, Animation{"About.gif", 20, 128, 128}),
                         [](const testing::TestParamInfo<Animation>& row) {
                           return std::string(row.param.frames == 24 ? "Main" : "About");
                         });

}  // namespace
