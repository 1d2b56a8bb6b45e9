// The pictures written by the data generator, decoded the way the game decodes them.
#include <gtest/gtest.h>

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Picture {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  const unsigned char* At(int x, int y) const { return rgb.data() + ((size_t)y * width + x) * 3; }
  int Luma(int x, int y) const {
    const unsigned char* p = At(x, y);
    return (p[0] * 30 + p[1] * 59 + p[2] * 11) / 100;
  }
};

struct Trap {
  jpeg_error_mgr manager;
  jmp_buf jump;
};

void Fail(j_common_ptr info) { longjmp(reinterpret_cast<Trap*>(info->err)->jump, 1); }

bool Decode(const fs::path& path, Picture& out) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  jpeg_decompress_struct info;
  Trap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = Fail;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out.width = info.output_width;
  out.height = info.output_height;
  out.rgb.assign((size_t)out.width * out.height * 3, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.rgb.data() + (size_t)info.output_scanline * out.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(file);
  return true;
}

enum class Use { Screen, Keyed, Texture, Additive };

struct Expected {
  const char* file;
  int width, height;
  Use use;
};

// Every picture the game opens. Textures must be powers of two for OpenGL 1.1; the
// selector is drawn at x 550 in front of items that start at x 600.
const Expected kPictures[] = {
    {"menue1.jpg", 800, 600, Use::Screen},     {"menue2.jpg", 50, 61, Use::Keyed},
    {"menue3.jpg", 800, 600, Use::Screen},     {"menue4.jpg", 800, 600, Use::Screen},
    {"menue5.jpg", 800, 600, Use::Screen},     {"menue6.jpg", 800, 600, Use::Screen},
    {"menue7.jpg", 57, 73, Use::Keyed},        {"menue8.jpg", 57, 73, Use::Keyed},
    {"fame.jpg", 800, 600, Use::Screen},       {"loading.jpg", 800, 600, Use::Screen},
    {"fluss.jpg", 256, 256, Use::Texture},     {"flusswinter.jpg", 256, 256, Use::Texture},
    {"water.jpg", 256, 256, Use::Texture},     {"smoke.jpg", 128, 128, Use::Additive},
    {"flocke.jpg", 64, 64, Use::Additive},     {"osd.jpg", 1024, 512, Use::Additive},
    {"intro1.jpg", 512, 512, Use::Additive},   {"intro2.jpg", 512, 256, Use::Additive},
    {"intro3.jpg", 512, 512, Use::Additive},   {"intro4.jpg", 512, 256, Use::Additive},
    {"intro5.jpg", 512, 256, Use::Additive},   {"intro6.jpg", 512, 256, Use::Additive},
    {"intro7.jpg", 512, 256, Use::Additive},   {"intro8.jpg", 512, 256, Use::Additive},
};

// Runs the generator into a fresh directory and returns its data directory.
fs::path Generate(const std::string& name) {
  fs::path root = fs::temp_directory_path() / ("vontel-pictures-" + name + "-" +
                                               std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  fs::path data = root / "data";
  std::string command = std::string(VONTEL_BINARY_DIR) + "/bin/datagen " + data.string() +
                        " > " + (root / "datagen.log").string() + " 2>&1";
  int status = std::system(command.c_str());
  EXPECT_EQ(status, 0) << command;
  return data;
}

std::vector<char> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Distance(const unsigned char* a, const unsigned char* b) {
  int worst = 0;
  for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(a[c] - b[c]));
  return worst;
}

bool PowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

void ExpectKeyed(const Picture& p) {
  // The bottom-left pixel is the colour left out: the whole border must decode to it, so
  // the sprite shows no frame, and the art must stand out from it.
  const unsigned char* key = p.At(0, p.height - 1);
  for (int x = 0; x < p.width; ++x) {
    EXPECT_LE(Distance(p.At(x, 0), key), 8) << "top, x " << x;
    EXPECT_LE(Distance(p.At(x, p.height - 1), key), 8) << "bottom, x " << x;
  }
  for (int y = 0; y < p.height; ++y) {
    EXPECT_LE(Distance(p.At(0, y), key), 8) << "left, y " << y;
    EXPECT_LE(Distance(p.At(p.width - 1, y), key), 8) << "right, y " << y;
  }
  int art = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) art += Distance(p.At(x, y), key) > 80;
  EXPECT_GT(art, p.width * p.height / 8) << "the sprite is nearly empty";
}

void ExpectBlackBorder(const Picture& p) {
  int worst = 0;
  for (int x = 0; x < p.width; ++x)
    worst = std::max({worst, p.Luma(x, 0), p.Luma(x, p.height - 1)});
  for (int y = 0; y < p.height; ++y)
    worst = std::max({worst, p.Luma(0, y), p.Luma(p.width - 1, y)});
  EXPECT_LE(worst, 10) << "added to the scene, a lit border would show the quad's edges";
}

struct Button {
  const char* file;
  int x0, y0, x1, y1;  // the hit rectangle the screen tests
};

// Each hit rectangle carries a button: its rim lies on the rectangle's top and left (for
// the quit button, right) edges, clearly brighter than the picture just outside.
const Button kButtons[] = {
    {"menue3.jpg", 600, 270, 750, 330}, {"menue3.jpg", 600, 350, 750, 410},
    {"menue3.jpg", 600, 440, 750, 500}, {"menue1.jpg", 600, 270, 750, 330},
    {"menue4.jpg", 600, 440, 750, 500}, {"menue5.jpg", 50, 500, 200, 600},
    {"menue6.jpg", 50, 500, 180, 600},  {"menue6.jpg", 180, 500, 340, 600},
    {"fame.jpg", 638, 519, 800, 600},
};

struct Placement {
  const char* sprite;
  const char* screen;
  int x, y;
};

// Where the game draws the keyed sprites: the selector beside each menu item, on the
// menu picture and on both lightning frames; the arrows on the level map.
const Placement kPlacements[] = {
    {"menue2.jpg", "menue3.jpg", 550, 270}, {"menue2.jpg", "menue3.jpg", 550, 350},
    {"menue2.jpg", "menue3.jpg", 550, 440}, {"menue2.jpg", "menue1.jpg", 550, 270},
    {"menue2.jpg", "menue1.jpg", 550, 440}, {"menue2.jpg", "menue4.jpg", 550, 350},
    {"menue7.jpg", "menue5.jpg", 700, 290}, {"menue8.jpg", "menue5.jpg", 300, 290},
};

}  // namespace

TEST(Pictures, KeyedSpritesMatchTheScreenUnderThem) {
  // A background pixel of a sprite that JPEG moved off the exact key is drawn; it must
  // then look like the screen under it, so the sprite shows no edge or speckle.
  fs::path data = Generate("keys");
  struct Cleanup {
    fs::path root;
    ~Cleanup() { fs::remove_all(root); }
  } cleanup{data.parent_path()};
  for (const Placement& place : kPlacements) {
    SCOPED_TRACE(std::string(place.sprite) + " on " + place.screen + " at " +
                 std::to_string(place.x) + "," + std::to_string(place.y));
    Picture sprite, screen;
    ASSERT_TRUE(Decode(data / place.sprite, sprite));
    ASSERT_TRUE(Decode(data / place.screen, screen));
    ASSERT_LE(place.x + sprite.width, screen.width);
    ASSERT_LE(place.y + sprite.height, screen.height);
    const unsigned char* key = sprite.At(0, sprite.height - 1);
    int background = 0, worst = 0;
    for (int y = 0; y < sprite.height; ++y)
      for (int x = 0; x < sprite.width; ++x) {
        if (Distance(sprite.At(x, y), key) > 4) continue;
        ++background;
        worst = std::max(worst, Distance(sprite.At(x, y), screen.At(place.x + x, place.y + y)));
      }
    EXPECT_GT(background, sprite.width * sprite.height / 4);
    EXPECT_LE(worst, 8);
  }
}

TEST(Pictures, EveryPictureDecodesWithTheSizeAndBorderItsUseNeeds) {
  fs::path data = Generate("sizes");
  struct Cleanup {
    fs::path root;
    ~Cleanup() { fs::remove_all(root); }
  } cleanup{data.parent_path()};
  for (const Expected& e : kPictures) {
    SCOPED_TRACE(e.file);
    Picture p;
    ASSERT_TRUE(Decode(data / e.file, p)) << "missing or not a JPEG picture";
    EXPECT_EQ(p.width, e.width);
    EXPECT_EQ(p.height, e.height);
    if (p.width != e.width || p.height != e.height) continue;
    if (e.use == Use::Texture || e.use == Use::Additive) {
      EXPECT_TRUE(PowerOfTwo(p.width) && PowerOfTwo(p.height));
    }
    if (e.use == Use::Keyed) ExpectKeyed(p);
    if (e.use == Use::Additive) ExpectBlackBorder(p);
  }

  Picture selector;
  ASSERT_TRUE(Decode(data / "menue2.jpg", selector));
  EXPECT_LE(550 + selector.width, 600) << "the selector would cover the item's button";
  EXPECT_GE(selector.height, 40);

  // Only the top eighth of the display strip reaches the screen: the art must be there.
  Picture osd;
  ASSERT_TRUE(Decode(data / "osd.jpg", osd));
  int bandMax = 0, belowMax = 0;
  const int bandRows = osd.height * 12 / 100;
  for (int y = 0; y < osd.height; ++y)
    for (int x = 0; x < osd.width; ++x) {
      int& brightest = y < bandRows ? bandMax : belowMax;
      brightest = std::max(brightest, osd.Luma(x, y));
    }
  EXPECT_GT(bandMax, 150);
  EXPECT_LE(belowMax, 10);

  for (const Button& b : kButtons) {
    SCOPED_TRACE(std::string(b.file) + " button at " + std::to_string(b.x0) + "," +
                 std::to_string(b.y0));
    Picture p;
    ASSERT_TRUE(Decode(data / b.file, p));
    int cx = (b.x0 + b.x1) / 2, cy = (b.y0 + std::min(b.y1, 599)) / 2;
    EXPECT_GT(p.Luma(cx, b.y0 + 1), p.Luma(cx, b.y0 - 6) + 60) << "top edge";
    bool quit = b.x0 == 180;
    int inside = quit ? b.x1 - 1 : b.x0 + 1, outside = quit ? b.x1 + 6 : b.x0 - 6;
    EXPECT_GT(p.Luma(inside, cy), p.Luma(outside, cy) + 60) << "side edge";
  }
}

TEST(Pictures, TwoRunsWriteIdenticalPictures) {
  fs::path first = Generate("first"), second = Generate("second");
  struct Cleanup {
    fs::path a, b;
    ~Cleanup() {
      fs::remove_all(a);
      fs::remove_all(b);
    }
  } cleanup{first.parent_path(), second.parent_path()};
  for (const Expected& e : kPictures) {
    SCOPED_TRACE(e.file);
    std::vector<char> a = Bytes(first / e.file), b = Bytes(second / e.file);
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == b);
  }
}

TEST(Pictures, CheckNamesTheFileOfABrokenPicture) {
  fs::path data = Generate("check");
  struct Cleanup {
    fs::path root;
    ~Cleanup() { fs::remove_all(root); }
  } cleanup{data.parent_path()};
  fs::path log = data.parent_path() / "check.log";
  auto check = [&] {
    std::string command = std::string(VONTEL_BINARY_DIR) + "/bin/datagen --check " +
                          data.string() + " > " + log.string() + " 2>&1";
    int status = std::system(command.c_str());
    std::ifstream in(log);
    return std::make_pair(status, std::string(std::istreambuf_iterator<char>(in), {}));
  };
  // Other parts of the data set are checked too; only the pictures matter here.
  auto complaint = [&](const std::string& output, const char* file) {
    return output.find((data / file).string()) != std::string::npos;
  };

  struct Breakage {
    const char* victim;
    const char* how;  // "cut": keep only the first bytes; else the file copied over it
  };
  const Breakage breakages[] = {
      {"menue2.jpg", "cut"},        // does not decode
      {"fluss.jpg", "menue3.jpg"},  // a texture of the wrong size
      {"menue7.jpg", "menue3.jpg"}, // an arrow of the wrong size
      {"intro4.jpg", "cut"},
  };
  // The check is slow (it drives every level), so all breakages go into one run.
  std::string before = check().second;
  for (const Breakage& b : breakages) {
    ASSERT_FALSE(complaint(before, b.victim)) << b.victim << " was reported before it broke";
    fs::path victim = data / b.victim;
    if (std::string(b.how) == "cut")
      fs::resize_file(victim, 300);
    else
      fs::copy_file(data / b.how, victim, fs::copy_options::overwrite_existing);
  }
  auto [status, output] = check();
  EXPECT_NE(status, 0);
  for (const Breakage& b : breakages)
    EXPECT_TRUE(complaint(output, b.victim)) << b.victim << " is not named in:\n" << output;
}
