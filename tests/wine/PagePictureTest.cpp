// The page pictures as the user sees them: a JPEG file of the distribution
// replaces the built-in bitmap pixel for pixel against the host's decode of
// the same file, or the built-in bitmap stays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/dlg130-password.h"
#include "resources/dlg131-internet.h"
#include "resources/dlg134-work-folder.h"
#include "resources/dlg151-bonus.h"
#include "resources/resource.h"
#include "tests/pictures/OnScreen.h"
#include "tests/wine/WizardRun.h"

namespace {

using pictures::DrawnPicture;
using pictures::Pixels;
using pictures::ScreenPixels;
using ui::Driver;

constexpr char kPasswordPage[] = "Step2--User Password";
constexpr char kWorkFolderPage[] = "Step 5--Working folder";

pictures::Image AsColour(const pictures::Image& grey) {
  pictures::Image colour = grey;
  colour.components = 3;
  colour.samples.clear();
  for (unsigned char sample : grey.samples) colour.samples.insert(colour.samples.end(), 3, sample);
  return colour;
}

pictures::Image Black(int width, int height) {
  pictures::Image image;
  image.width = width;
  image.height = height;
  image.components = 3;
  image.samples.assign(static_cast<size_t>(width) * height * 3, 0);
  return image;
}

pictures::Image BuiltIn(int bitmapId) {
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
  pictures::Image image = Pixels(bitmap);
  DeleteObject(bitmap);
  return image;
}

void ExpectSame(const pictures::Image& shown, const pictures::Image& expected) {
  EXPECT_EQ(shown.width, expected.width);
  EXPECT_EQ(shown.height, expected.height);
  EXPECT_TRUE(shown.samples == expected.samples) << "pixels differ";
}

// Puts `fixture` beside the program as `name`, or removes `name`.
void Provide(const char* fixture, const char* name) {
  DeleteFileA(name);
  if (fixture) {
    ASSERT_TRUE(CopyFileA(pictures::Path(fixture).c_str(), name, FALSE)) << fixture;
  }
}

// Runs the wizard on the password page and returns what its picture control
// shows, as the control's bitmap; `picture` receives the page's m_hPicture.
pictures::Image PasswordPicture(HBITMAP* picture = nullptr) {
  pictures::Image shown;
  CProp wizard(wizard_run::kCaption, nullptr, 1);
  wizard_run::Run(wizard, kPasswordPage, [&](const Driver& user, HWND sheet) {
    HWND control = Driver::Control(Driver::ActivePage(sheet), IDC_PASSWORD_PICTURE);
    shown = Pixels(reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)));
    wizard_run::CancelAndExit(user, sheet);
  });
  if (picture) *picture = wizard.m_pagePassword.m_hPicture;
  return shown;
}

class PagePicture : public ::testing::Test {
 protected:
  ~PagePicture() override {
    DeleteFileA("KQSetup2.jpg");
    DeleteFileA("KQSetup4.jpg");
  }
};

// The built-in bitmaps are stored compressed: on the screen each page shows
// every pixel as drawn.
TEST_F(PagePicture, WithoutPictureFilesEachPageShowsItsBitmapAsDrawn) {
  const struct {
    UINT page;
    const char* title;
    int control;
    int bitmap;
  } pages[] = {
      {1, kPasswordPage, IDC_PASSWORD_PICTURE, IDB_PASSWORD},
      {2, "Step3--Internet connection", IDC_INTERNET_PICTURE, IDB_INTERNET},
      {4, kWorkFolderPage, IDC_WORK_FOLDER_PICTURE, IDB_WORK_FOLDER},
      {5, "Bonus Package", IDC_BONUS_PICTURE, IDB_BONUS},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.title);
    const pictures::Image drawn = DrawnPicture(p.bitmap);
    ASSERT_EQ(drawn.width, 168);
    ASSERT_EQ(drawn.height, 224);
    CProp wizard(wizard_run::kCaption, nullptr, p.page);
    wizard_run::Run(wizard, p.title, [&](const Driver& user, HWND sheet) {
      HWND control = Driver::Control(Driver::ActivePage(sheet), p.control);
      user.WaitUntil([&] { return ScreenPixels(control).samples == drawn.samples; },
                     "the drawn picture on the screen");
      wizard_run::CancelAndExit(user, sheet);
    });
  }
}

TEST_F(PagePicture, PictureOfTheBuiltInSizeReplacesItExactly) {
  Provide("photo-168x224.jpg", "KQSetup2.jpg");
  const pictures::Image reference = pictures::ReadPnm("photo-168x224.ppm");
  ASSERT_EQ(reference.width, 168);
  CProp wizard(wizard_run::kCaption, nullptr, 1);
  wizard_run::Run(wizard, kPasswordPage, [&](const Driver& user, HWND sheet) {
    HWND control = Driver::Control(Driver::ActivePage(sheet), IDC_PASSWORD_PICTURE);
    // On the screen, in the place of the built-in bitmap, once painted.
    user.WaitUntil([&] { return ScreenPixels(control).samples == reference.samples; },
                   "the picture on the screen");
    wizard_run::CancelAndExit(user, sheet);
  });
  ASSERT_NE(wizard.m_pagePassword.m_hPicture, nullptr);
  ExpectSame(Pixels(wizard.m_pagePassword.m_hPicture), reference);
}

TEST_F(PagePicture, OtherPicturesAreShownAsDecodedOrKeepTheBuiltInBitmap) {
  const pictures::Image builtIn = BuiltIn(IDB_PASSWORD);
  ASSERT_EQ(builtIn.width, 168);
  ASSERT_EQ(builtIn.height, 224);
  const struct {
    const char* fixture;
    pictures::Image expected;
    bool made;
  } cases[] = {
      {"progressive-168x224.jpg", pictures::ReadPnm("progressive-168x224.ppm"), true},
      {"odd-37x29.jpg", pictures::ReadPnm("odd-37x29.ppm"), true},  // rows padded
      {"grey-37x29.jpg", AsColour(pictures::ReadPnm("grey-37x29.pgm")), true},
      {"big-300x300.jpg", builtIn, false},  // does not fit the block
      {"cmyk-37x29.jpg", builtIn, false},   // four components
      // A coding the decoder is built without: it fails after the header,
      // as a file without its rows does.
      {"arithmetic-37x29.jpg", Black(37, 29), true},
      {"damaged.jpg", builtIn, false},  // no header: nothing known
      {nullptr, builtIn, false},        // no file
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixture ? c.fixture : "no file");
    ASSERT_FALSE(c.expected.samples.empty());
    Provide(c.fixture, "KQSetup2.jpg");
    HBITMAP picture = nullptr;
    ExpectSame(PasswordPicture(&picture), c.expected);
    EXPECT_EQ(picture != nullptr, c.made);
  }
}

TEST_F(PagePicture, TruncatedPictureShowsItsUpperPartAndBlackBelow) {
  Provide("truncated-64x64.jpg", "KQSetup2.jpg");
  const pictures::Image reference = pictures::ReadPnm("truncated-64x64.ppm");
  const pictures::Image shown = PasswordPicture();
  ASSERT_EQ(shown.width, 64);
  ASSERT_EQ(shown.height, 64);
  const size_t row = 64 * 3;
  auto black = [&](int y) {
    for (size_t i = y * row; i < (y + 1) * row; ++i)
      if (shown.samples[i]) return false;
    return true;
  };
  int decoded = 0;
  while (decoded < 64 && !black(decoded)) ++decoded;
  EXPECT_GE(decoded, 8);
  EXPECT_TRUE(std::equal(shown.samples.begin(), shown.samples.begin() + decoded * row,
                         reference.samples.begin()));
  for (int y = decoded; y < 64; ++y) EXPECT_TRUE(black(y)) << "row " << y;
}

TEST_F(PagePicture, WorkFolderPageShowsItsOwnFileAndDecodesItOnce) {
  Provide("odd-37x29.jpg", "KQSetup4.jpg");
  const pictures::Image first = pictures::ReadPnm("odd-37x29.ppm");
  CProp wizard(wizard_run::kCaption, nullptr, 4);
  wizard_run::Run(wizard, kWorkFolderPage, [&](const Driver& user, HWND sheet) {
    HWND page = Driver::ActivePage(sheet);
    HWND control = Driver::Control(page, IDC_WORK_FOLDER_PICTURE);
    const HBITMAP made = wizard.m_pageWorkFolder.m_hPicture;
    ASSERT_NE(made, nullptr);
    ExpectSame(Pixels(made), first);
    // Another file now: going back and forth keeps the picture made first.
    Provide("photo-168x224.jpg", "KQSetup4.jpg");
    user.Press(sheet, ui::WizardButton::Back);
    user.WaitPage(sheet, "Step4--Camera settings");
    wizard_run::PassCameraPage(user, sheet);
    user.WaitPage(sheet, kWorkFolderPage);
    EXPECT_EQ(wizard.m_pageWorkFolder.m_hPicture, made);
    EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)),
              made);
    wizard_run::CancelAndExit(user, sheet);
  });
}

}  // namespace
