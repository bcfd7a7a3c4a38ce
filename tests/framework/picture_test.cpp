// Pictures read from the resource folder: decoded at their logical size, or nil.

#include "1-framework/picture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "1-framework/testing.h"
#include "test_window.h"

namespace {

namespace fs = std::filesystem;

std::vector<char> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class Pictures : public fwtest::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    folder_ = fs::temp_directory_path() /
              ("fw_pictures_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
               std::to_string(::getpid()));
    fs::create_directories(folder_);
    png_ = ReadBytes(fs::path(SOURCE_DIR) / "2-common" / "pictures" / "compute.png");
    ASSERT_GT(png_.size(), 100u) << "the source tree's compute.png is missing";
    fw::testing::SetResourceFolder(folder_.string());
  }
  void TearDown() override {
    FrameworkTest::TearDown();
    fs::remove_all(folder_);
  }

  fs::path folder_;
  std::vector<char> png_;
};

TEST_F(Pictures, read_a_png_at_its_logical_size) {
  WriteBytes(folder_ / "compute.png", png_);
  auto picture = fw::Picture::OpenFromApp("compute.png");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 120);
  EXPECT_EQ(picture->Height(), 40);
}

TEST_F(Pictures, are_nil_when_the_file_is_missing) {
  EXPECT_EQ(fw::Picture::OpenFromApp("absent.png"), nullptr);
}

TEST_F(Pictures, are_nil_when_the_file_is_empty) {
  WriteBytes(folder_ / "empty.png", {});
  EXPECT_EQ(fw::Picture::OpenFromApp("empty.png"), nullptr);
}

TEST_F(Pictures, are_nil_when_the_file_is_cut_short) {
  WriteBytes(folder_ / "cut.png", std::vector<char>(png_.begin(), png_.begin() + png_.size() / 2));
  EXPECT_EQ(fw::Picture::OpenFromApp("cut.png"), nullptr);
}

TEST_F(Pictures, are_nil_when_the_file_is_not_a_picture) {
  const std::string text = "not a picture at all";
  WriteBytes(folder_ / "text.png", std::vector<char>(text.begin(), text.end()));
  EXPECT_EQ(fw::Picture::OpenFromApp("text.png"), nullptr);
}

}  // namespace
