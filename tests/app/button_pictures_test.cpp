// The three picture buttons line up: each shows the same 120 x 40 face at the top of its
// picture, in the same colours, at 1x and 2x; a 48-pixel picture is transparent below it.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <ostream>
#include <string>

namespace {

struct ButtonPicture {
  const char* file;
  int scale, height;  // the picture's height in logical pixels
};

void PrintTo(const ButtonPicture& row, std::ostream* os) {
  *os << row.file;
}

class ButtonPictures : public ::testing::TestWithParam<ButtonPicture> {};

TEST_P(ButtonPictures, show_one_face_at_the_top_in_the_shared_colours) {
  const auto [file, s, height] = GetParam();
  const QImage image = QImage(QString(SOURCE_DIR "/2-common/pictures/") + file)
                           .convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 120 * s);
  EXPECT_EQ(image.height(), height * s);

  // The face's opaque rows, down a column left of the label: inside its 1 px margin.
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    if (image.pixelColor(10 * s, y).alpha() < 128) continue;
    if (top < 0) top = y;
    bottom = y;
  }
  EXPECT_EQ(top, 1 * s);
  EXPECT_EQ(bottom, 39 * s - 1);
  for (int y = 40 * s; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      ASSERT_EQ(image.pixelColor(x, y).alpha(), 0) << x << "," << y;

  // The face at mid-height, half way down its gradient from #E8EEF7 to #C9D6EA.
  EXPECT_EQ(image.pixelColor(10 * s, 20 * s).name(QColor::HexArgb).toStdString(), "#ffd8e2f0");
  // The label's ink (#1A2A5A): the darkest pixel of the face.
  QColor ink = Qt::white;
  for (int y = 0; y < 40 * s; ++y)
    for (int x = 0; x < 120 * s; ++x)
      if (QColor c = image.pixelColor(x, y); c.alpha() == 255 && c.lightness() < ink.lightness())
        ink = c;
  EXPECT_EQ(ink.name(QColor::HexArgb).toStdString(), "#ff1a2a5a");
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ButtonPictures,
    ::testing::Values(ButtonPicture{"compute.png", 1, 40}, ButtonPicture{"info.png", 1, 48},
                      ButtonPicture{"clear.png", 1, 48}, ButtonPicture{"compute@2x.png", 2, 40},
                      ButtonPicture{"info@2x.png", 2, 48}, ButtonPicture{"clear@2x.png", 2, 48}),
    [](const auto& info) {
      std::string name = info.param.file;
      for (char& c : name)
        if (c == '.' || c == '@') c = '_';
      return name;
    });

}  // namespace
