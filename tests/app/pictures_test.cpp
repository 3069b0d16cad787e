// The five pictures: compiled in at sizes that fit where they are drawn, read once and then
// kept, asked for again while they cannot be read, and empty after the shutdown release.
#include "app/Pictures.h"
#include "platform/testing/ResourceTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using Accessor = std::function<std::shared_ptr<Picture>()>;

struct PictureSlot {
    const char* name;
    int32_t id;
    Accessor get;
    std::shared_ptr<Picture>* cache;
};

const PictureSlot kSlots[] = {
    {"FiveLegs", 168, FiveLegs, &FiveLegsCache::permapic},
    {"Tadpole", 169, Tadpole, &TadpoleCache::permapic},
    {"Frog", 170, Frog, &FrogCache::permapic},
    {"trematode", 171, trematode, &trematodeCache::permapic},
    {"CadmoriaCover", 172, CadmoriaCover, &CadmoriaCoverCache::permapic},
};

// What finalize does with the caches at shutdown.
void releaseCaches() {
    for (const PictureSlot& slot : kSlots)
        *slot.cache = nullptr;
}

class PictureAccessors : public ::testing::Test {
  protected:
    void SetUp() override { releaseCaches(); }
    void TearDown() override { releaseCaches(); }
};

} // namespace

// The data card is 85 x 69 with its frame on the outer pixels; the frogs stand at (8, 4)
// above the text whose baseline is y 53, the tadpole at (10, 22) above the exposure line at
// y 65, the worm at (74, 53) inside the frame. The cover fills its 150 x 201 canvas.
TEST_F(PictureAccessors, EachIsCompiledInAndFitsWhereItIsDrawn) {
    struct Fit {
        const char* name;
        int left, top;      // where it is drawn
        int right, bottom;  // the first column and row it must not reach
        int exactW, exactH; // 0: any size within the bounds
    };
    const Fit fits[] = {
        {"FiveLegs", 8, 4, 84, 42, 0, 0},
        {"Tadpole", 10, 22, 84, 54, 0, 0},
        {"Frog", 8, 4, 84, 42, 0, 0},
        {"trematode", 74, 53, 83, 67, 0, 0},
        {"CadmoriaCover", 0, 0, 150, 201, 150, 201},
    };
    for (std::size_t i = 0; i < std::size(kSlots); ++i) {
        SCOPED_TRACE(kSlots[i].name);
        auto picture = kSlots[i].get();
        ASSERT_TRUE(picture);
        const Fit& fit = fits[i];
        EXPECT_GT(picture->Width(), 0);
        EXPECT_GT(picture->Height(), 0);
        EXPECT_LE(fit.left + picture->Width(), fit.right);
        EXPECT_LE(fit.top + picture->Height(), fit.bottom);
        if (fit.exactW) {
            EXPECT_EQ(picture->Width(), fit.exactW);
            EXPECT_EQ(picture->Height(), fit.exactH);
        }
        // Something is drawn: the middle of each picture is opaque.
        EXPECT_EQ(picture->Pixel(picture->Width() / 2, picture->Height() / 2) >> 24, 0xFFu);
    }
    // The five-legged frog is the normal one with something more, not the same drawing.
    auto five = FiveLegs();
    auto frog = Frog();
    ASSERT_EQ(five->Width(), frog->Width());
    int extra = 0, missing = 0;
    for (int y = 0; y < frog->Height(); ++y)
        for (int x = 0; x < frog->Width(); ++x) {
            const bool inFive = (five->Pixel(x, y) >> 24) == 0xFF;
            const bool inFrog = (frog->Pixel(x, y) >> 24) == 0xFF;
            extra += inFive && !inFrog;
            missing += inFrog && !inFive;
        }
    EXPECT_GT(extra, 20);
    EXPECT_EQ(missing, 0);
}

TEST_F(PictureAccessors, AReadPictureIsKeptAndReturnedWithoutAskingAgain) {
    auto fork = std::make_shared<TestResourceFork>();
    ScopedResourceFork scoped(fork);
    for (const PictureSlot& slot : kSlots) {
        SCOPED_TRACE(slot.name);
        auto first = slot.get();
        ASSERT_TRUE(first);
        EXPECT_EQ(slot.get(), first);
        EXPECT_EQ(*slot.cache, first);
        EXPECT_EQ(fork->callsFor(slot.id), 1);
    }
    // Each accessor read only its own id.
    EXPECT_EQ(fork->calls, (std::vector<int32_t>{168, 169, 170, 171, 172}));
    EXPECT_EQ(scoped.getterCalls, 5);
}

TEST_F(PictureAccessors, AnUnreadablePictureIsAskedForAgainAtEveryCall) {
    auto fork = std::make_shared<TestResourceFork>();
    fork->missing = {171};
    fork->data[169] = "";                                          // zero bytes
    fork->data[170] = "<svg xmlns=\"http://www.w3.org/2000/svg\""; // cut off
    fork->data[172] = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"0\" height=\"0\"/>";
    ScopedResourceFork scoped(fork);
    for (int call = 1; call <= 3; ++call) {
        EXPECT_EQ(trematode(), nullptr);
        EXPECT_EQ(Tadpole(), nullptr);
        EXPECT_EQ(Frog(), nullptr);
        EXPECT_EQ(CadmoriaCover(), nullptr);
        for (int32_t id : {169, 170, 171, 172})
            EXPECT_EQ(fork->callsFor(id), call) << id;
    }
    EXPECT_EQ(trematodeCache::permapic, nullptr);
    // The others are not affected.
    EXPECT_TRUE(FiveLegs());

    // Once the picture can be read, it is read and kept.
    fork->missing.clear();
    auto worm = trematode();
    ASSERT_TRUE(worm);
    EXPECT_EQ(trematode(), worm);
    EXPECT_EQ(fork->callsFor(171), 4);
}

TEST_F(PictureAccessors, NoResourceFileGivesNothingAndNoCrash) {
    ScopedResourceFork none(nullptr);
    for (const PictureSlot& slot : kSlots) {
        EXPECT_EQ(slot.get(), nullptr) << slot.name;
        EXPECT_EQ(*slot.cache, nullptr) << slot.name;
    }
    EXPECT_EQ(none.getterCalls, 5);
}

TEST_F(PictureAccessors, TheShutdownReleaseEmptiesTheCachesAndANewCallReadsAgain) {
    auto fork = std::make_shared<TestResourceFork>();
    ScopedResourceFork scoped(fork);
    auto cover = CadmoriaCover();
    auto frog = Frog();
    std::weak_ptr<Picture> coverSeen = cover;
    cover.reset();

    // Releasing caches never filled (FiveLegs, Tadpole, trematode) does nothing to them.
    releaseCaches();
    for (const PictureSlot& slot : kSlots)
        EXPECT_EQ(*slot.cache, nullptr) << slot.name;
    EXPECT_TRUE(coverSeen.expired()); // the cache held the last reference
    EXPECT_TRUE(frog);                // a caller's own reference stays good

    auto again = Frog();
    ASSERT_TRUE(again);
    EXPECT_NE(again, frog);
    EXPECT_EQ(fork->callsFor(170), 2);
}
