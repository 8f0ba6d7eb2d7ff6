// The built-in pictures: sizes, the 16 standard colours, dice that show their faces' pips, the
// stamps' frames, the pointer pictures' hot spots, and one handle per resource.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/resources.h"
#include "runtime/appearance.h"
#include "runtime/errors.h"

namespace quopa::resources {
namespace {

using namespace rt::palette;

uint32_t opaque(rt::Color c) {
    return 0xFF000000u | (rt::redOf(c) << 16) | (rt::greenOf(c) << 8) | rt::blueOf(c);
}

const std::set<uint32_t>& standardColours() {
    static const std::set<uint32_t> colours = [] {
        std::set<uint32_t> s;
        for (rt::Color c :
             {kBlack, kDarkBlue, kDarkGreen, kDarkCyan, kDarkRed, kDarkMagenta, kDarkYellow,
              kLightGrey, kGrey, kBlue, kGreen, kCyan, kRed, kMagenta, kYellow, kWhite})
            s.insert(opaque(c));
        return s;
    }();
    return colours;
}

// Every pixel is fully transparent or opaque in one of the 16 standard colours.
::testing::AssertionResult usesStandardColours(const rt::Picture& picture) {
    for (uint32_t p : picture.bitmap()->pixels)
        if (p != 0 && !standardColours().count(p))
            return ::testing::AssertionFailure() << "pixel 0x" << std::hex << p;
    return ::testing::AssertionSuccess();
}

bool transparent(const rt::Bitmap& b, int x, int y) {
    return (b.at(x, y) >> 24) == 0;
}

// The middle of a die's face, clear of its rounded edges: the die's body colour fills most of it
// and its marks are what differs from that colour.
constexpr int kFaceFirst = 4;
constexpr int kFaceLast = 26;

uint32_t bodyColour(const rt::Bitmap& b) {
    std::map<uint32_t, int> counts;
    for (int y = kFaceFirst; y <= kFaceLast; ++y)
        for (int x = kFaceFirst; x <= kFaceLast; ++x) ++counts[b.at(x, y)];
    return std::max_element(counts.begin(), counts.end(),
                            [](auto& a, auto& c) { return a.second < c.second; })
        ->first;
}

// The number of separate marks on a die's face: groups of touching pixels (also across
// corners) that are not in the body colour.
int marksOnFace(const rt::Bitmap& b) {
    const uint32_t body = bodyColour(b);
    auto isMark = [&](int x, int y) {
        return x >= kFaceFirst && x <= kFaceLast && y >= kFaceFirst && y <= kFaceLast &&
               b.at(x, y) != body;
    };
    std::vector<bool> seen(b.pixels.size(), false);
    int marks = 0;
    for (int y = kFaceFirst; y <= kFaceLast; ++y)
        for (int x = kFaceFirst; x <= kFaceLast; ++x) {
            if (!isMark(x, y) || seen[static_cast<std::size_t>(y * b.width + x)]) continue;
            ++marks;
            std::vector<std::pair<int, int>> todo{{x, y}};
            seen[static_cast<std::size_t>(y * b.width + x)] = true;
            while (!todo.empty()) {
                auto [cx, cy] = todo.back();
                todo.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = cx + dx, ny = cy + dy;
                        if (!isMark(nx, ny) || seen[static_cast<std::size_t>(ny * b.width + nx)])
                            continue;
                        seen[static_cast<std::size_t>(ny * b.width + nx)] = true;
                        todo.push_back({nx, ny});
                    }
            }
        }
    return marks;
}

template <class F>
int errorNumberOf(F&& call) {
    try {
        call();
    } catch (const rt::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(DicePictures, AreThirtyTwoSquareInStandardColoursAndRoundedOnTransparency) {
    for (int i = 1; i <= 48; ++i) {
        SCOPED_TRACE("picture " + std::to_string(i));
        const rt::Picture p = dicePicture(i);
        ASSERT_FALSE(p.empty());
        EXPECT_EQ(p.bitmap()->width, 32);
        EXPECT_EQ(p.bitmap()->height, 32);
        EXPECT_TRUE(usesStandardColours(p));
        EXPECT_TRUE(transparent(*p.bitmap(), 0, 0));
        EXPECT_TRUE(transparent(*p.bitmap(), 31, 0));
        EXPECT_TRUE(transparent(*p.bitmap(), 0, 31));
        EXPECT_FALSE(transparent(*p.bitmap(), 16, 16));
    }
}

TEST(DicePictures, PipDesignsShowAsManyPipsAsTheFace) {
    for (int design = 1; design <= 7; ++design)
        for (int face = 1; face <= 6; ++face) {
            const int index = (design - 1) * 6 + face;
            EXPECT_EQ(marksOnFace(*dicePicture(index).bitmap()), face) << "picture " << index;
        }
}

TEST(DicePictures, NumeralDesignShowsSixDifferentFaces) {
    std::set<std::vector<uint32_t>> faces;
    for (int index = 43; index <= 48; ++index) {
        EXPECT_GE(marksOnFace(*dicePicture(index).bitmap()), 1) << index;
        faces.insert(dicePicture(index).bitmap()->pixels);
    }
    EXPECT_EQ(faces.size(), 6u);
}

TEST(DicePictures, DefaultDesignIsAWhiteDieWithBlackPips) {
    for (int index = 13; index <= 18; ++index) {
        const rt::Bitmap& b = *dicePicture(index).bitmap();
        EXPECT_EQ(bodyColour(b), opaque(kWhite)) << index;
        EXPECT_TRUE(std::count(b.pixels.begin(), b.pixels.end(), opaque(kBlack)) > 0);
    }
    // The one-pip sits in the middle of the face.
    EXPECT_EQ(dicePicture(13).bitmap()->at(15, 15), opaque(kBlack));
}

TEST(DicePictures, OneHandlePerIndex) {
    EXPECT_EQ(dicePicture(13), dicePicture(13));
    EXPECT_NE(dicePicture(13), dicePicture(14));
    EXPECT_NE(dicePicture(1), dicePicture(7));
}

TEST(DicePictures, IndexesOutsideTheLibraryAreMissingElements) {
    for (int index : {0, -1, 49, 100})
        EXPECT_EQ(errorNumberOf([&] { dicePicture(index); }), rt::kArrayElementMissing) << index;
}

TEST(IconResources, StampFramesAndProgramIconAreThirtyTwoSquareInStandardColours) {
    std::vector<int> ids{1};
    for (int stamp = 1; stamp <= 6; ++stamp)
        for (int frame = 1; frame <= 3; ++frame) ids.push_back(stamp * 100 + frame);
    for (int id : ids) {
        SCOPED_TRACE("icon " + std::to_string(id));
        const rt::Picture p = icon(id);
        ASSERT_FALSE(p.empty());
        EXPECT_EQ(p.bitmap()->width, 32);
        EXPECT_EQ(p.bitmap()->height, 32);
        EXPECT_TRUE(usesStandardColours(p));
        EXPECT_FALSE(transparent(*p.bitmap(), 16, 16));
        EXPECT_EQ(icon(id), p);
    }
}

TEST(IconResources, EachStampHasThreeDifferentFramesAndTheStampsDiffer) {
    std::set<std::vector<uint32_t>> firstFrames;
    for (int stamp = 1; stamp <= 6; ++stamp) {
        std::set<std::vector<uint32_t>> frames;
        for (int frame = 1; frame <= 3; ++frame)
            frames.insert(icon(stamp * 100 + frame).bitmap()->pixels);
        EXPECT_EQ(frames.size(), 3u) << "stamp " << stamp;
        firstFrames.insert(icon(stamp * 100 + 1).bitmap()->pixels);
    }
    EXPECT_EQ(firstFrames.size(), 6u);
}

TEST(IconResources, UnknownIdentifiersAreResourceNotFound) {
    for (int id : {0, 2, 10, 100, 104, 700, 701, 1001})
        EXPECT_EQ(errorNumberOf([&] { icon(id); }), rt::kResourceNotFound) << id;
}

TEST(PointerPictures, ArrowsAreBlackAndWhiteWithTheHotSpotAtTheTip) {
    const rt::Bitmap& lift = *liftCursor().bitmap();
    const rt::Bitmap& drop = *dropCursor().bitmap();
    for (const rt::Bitmap* b : {&lift, &drop}) {
        EXPECT_EQ(b->width, 32);
        EXPECT_EQ(b->height, 32);
        for (uint32_t p : b->pixels)
            EXPECT_TRUE(p == 0 || p == opaque(kBlack) || p == opaque(kWhite));
        EXPECT_EQ(b->at(b->hotX, b->hotY), opaque(kBlack));
    }
    // The lift arrow points up: nothing above its hot spot, its white body right below.
    for (int y = 0; y < lift.hotY; ++y)
        for (int x = 0; x < 32; ++x) EXPECT_TRUE(transparent(lift, x, y));
    EXPECT_EQ(lift.at(lift.hotX, lift.hotY + 1), opaque(kWhite));
    // The drop arrow points down: nothing below its hot spot, its white body right above.
    for (int y = drop.hotY + 1; y < 32; ++y)
        for (int x = 0; x < 32; ++x) EXPECT_TRUE(transparent(drop, x, y));
    EXPECT_EQ(drop.at(drop.hotX, drop.hotY - 1), opaque(kWhite));
    EXPECT_EQ(liftCursor(), liftCursor());
    EXPECT_NE(liftCursor(), dropCursor());
}

TEST(MakersLogo, FillsItsPlaceOnTheMainWindowOverATransparentGround) {
    const rt::Picture p = logo();
    const rt::Bitmap& b = *p.bitmap();
    EXPECT_EQ(b.width * rt::kTwipsPerPixel, 1920);
    EXPECT_EQ(b.height * rt::kTwipsPerPixel, 1245);
    EXPECT_TRUE(usesStandardColours(p));
    EXPECT_TRUE(transparent(b, 0, 0));
    EXPECT_TRUE(transparent(b, b.width - 1, b.height - 1));
    const auto drawn =
        std::count_if(b.pixels.begin(), b.pixels.end(), [](uint32_t px) { return px != 0; });
    EXPECT_GT(drawn, b.width * b.height / 8);
    EXPECT_EQ(logo(), p);
}

}  // namespace
}  // namespace quopa::resources
