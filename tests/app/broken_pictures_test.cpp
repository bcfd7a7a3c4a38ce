// Pictures that are missing or damaged leave their canvases blank and the program working.
// Each case runs in a fresh child process, whose picture slots have never been filled.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "3-windows/calculator/control_wnd.h"
#include "1-framework/picture.h"
#include "1-framework/testing.h"
#include "3-windows/about/about_wnd.h"

namespace fs = std::filesystem;

namespace {

const char* const kPictures[] = {"MireldantholmTitle.png", "MireldantholmTitle2.png", "compute.png",
                                 "info.png", "clear.png"};

enum class Damage { Missing, Empty, Truncated, BadChecksum };

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A folder holding the five pictures, each damaged the same way (no @2x variants).
fs::path DamagedFolder(Damage damage) {
  fs::path folder =
      fs::temp_directory_path() / ("broken-pictures-" + std::to_string(static_cast<int>(damage)) +
                                   "-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  for (const char* name : kPictures) {
    std::string bytes = ReadFile(fs::path(SOURCE_DIR) / "2-common/pictures" / name);
    switch (damage) {
      case Damage::Missing:
        continue;
      case Damage::Empty:
        bytes.clear();
        break;
      case Damage::Truncated:
        bytes.resize(bytes.size() / 2);
        break;
      case Damage::BadChecksum: {
        // Flip one byte inside the first image-data chunk, so its checksum no longer matches.
        auto data = bytes.find("IDAT");
        bytes[data + 20] = static_cast<char>(bytes[data + 20] ^ 0x5A);
        break;
      }
    }
    std::ofstream(folder / name, std::ios::binary) << bytes;
  }
  return folder;
}

bool AllBlank(ControlWnd& calculator, AboutWnd& about) {
  return !about.Canvas1()->Backdrop() && !calculator.Canvas1()->Backdrop() &&
         !calculator.ComputeCanvas()->Backdrop() && !calculator.HelpCanvas()->Backdrop() &&
         !calculator.ClearCanvas()->Backdrop();
}

struct DamageCase {
  const char* name;
  Damage damage;
};

class BrokenPictures : public ::testing::TestWithParam<DamageCase> {};

}  // namespace

TEST_P(BrokenPictures, leave_the_canvases_blank_and_the_program_handing_off_and_computing) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const fs::path folder = DamagedFolder(GetParam().damage);
  EXPECT_EXIT(
      {
        fw::testing::AnswerMessageBoxes(true);
        fw::testing::SetResourceFolder(folder.string());
        auto about = fw::ImplicitInstance<AboutWnd>();
        bool aboutShown = about->IsVisible();
        fw::testing::FireTimer(*about->Timer1());
        auto calculator = fw::ImplicitInstance<ControlWnd>();
        fw::testing::TypeText(*calculator->RxxFld(), "13");
        fw::testing::TypeText(*calculator->RyyFld(), "9");
        fw::testing::TypeText(*calculator->RxyFld(), ".44");
        fw::testing::Click(*calculator->ComputeCanvas(), 5, 5);
        std::fprintf(stderr, "about=%d handed_off=%d blank=%d result=%s\n", aboutShown,
                     calculator->IsVisible() && !about->IsVisible(), AllBlank(*calculator, *about),
                     calculator->RdFld()->Text().c_str());
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "about=1 handed_off=1 blank=1 result=.5777");
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(EveryDamage, BrokenPictures,
                         ::testing::Values(DamageCase{"missing", Damage::Missing},
                                           DamageCase{"empty", Damage::Empty},
                                           DamageCase{"truncated", Damage::Truncated},
                                           DamageCase{"bad_checksum", Damage::BadChecksum}),
                         [](const auto& info) { return std::string(info.param.name); });
