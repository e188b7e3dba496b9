#include "platform/files/PageFaultGuard.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace {

// A page of a file mapped and then cut away from under the mapping.
class LostPage {
public:
    LostPage() {
        const auto path = dir_.Write("a.bin", std::string(2 * kPage, 'x'));
        descriptor_ = open(path.c_str(), O_RDWR);
        map_ = static_cast<const char*>(
            mmap(nullptr, 2 * kPage, PROT_READ, MAP_SHARED, descriptor_, 0));
        EXPECT_NE(map_, MAP_FAILED);
        EXPECT_EQ(map_[kPage], 'x');
        EXPECT_EQ(ftruncate(descriptor_, kPage), 0);
    }
    ~LostPage() {
        munmap(const_cast<char*>(map_), 2 * kPage);
        close(descriptor_);
    }
    const char* Kept() const { return map_; }
    const char* Lost() const { return map_ + kPage; }
    MappedRange Range() const { return {map_, 2 * kPage}; }

private:
    static constexpr std::size_t kPage = 4096;
    TempDir dir_;
    int descriptor_ = -1;
    const char* map_ = nullptr;
};

} // namespace

TEST(PageFaultGuard, TurnsTheFaultOfALostPageIntoItsAddress) {
    LostPage page;
    int reached = 0;
    volatile char byte = 0;
    EXPECT_EQ(RunGuarded({page.Range()},
                         [&] {
                             byte = page.Kept()[0];
                             reached = 1;
                             byte = page.Lost()[10];
                             reached = 2;
                         }),
              page.Lost() + 10);
    EXPECT_EQ(reached, 1); // what ran before the fault stays done
    EXPECT_EQ(byte, 'x');

    EXPECT_EQ(RunGuarded({page.Range()}, [&] { byte = page.Kept()[1]; }), nullptr);
}

TEST(PageFaultGuard, GuardsNestAndEachThreadHasItsOwn) {
    LostPage page;
    const void* inner = nullptr;
    const void* outer = RunGuarded({page.Range()}, [&] {
        inner = RunGuarded({page.Range()}, [&] {
            static_cast<void>(*static_cast<const volatile char*>(page.Lost()));
        });
        static_cast<void>(*static_cast<const volatile char*>(page.Lost() + 1));
    });
    EXPECT_EQ(inner, page.Lost());
    EXPECT_EQ(outer, page.Lost() + 1);

    const void* other = nullptr;
    std::thread([&] {
        other = RunGuarded({page.Range()}, [&] {
            static_cast<void>(*static_cast<const volatile char*>(page.Lost() + 2));
        });
    }).join();
    EXPECT_EQ(other, page.Lost() + 2);
}

TEST(PageFaultGuardDeathTest, ABusErrorNoGuardAnswersForStillEndsTheProcess) {
    LostPage page;
    const auto touch = [&] { static_cast<void>(*static_cast<const volatile char*>(page.Lost())); };
    RunGuarded({page.Range()}, [] {}); // the handler is in place
    // By the signal itself, or by whoever handled it before (a sanitizer reports and exits).
    EXPECT_DEATH(touch(), "");
    // A guard answers only for the mappings it was given,
    EXPECT_DEATH(RunGuarded({MappedRange{page.Kept(), 1}}, touch), "");
    // and only for faults: a bus error sent by a process is no lost page.
    EXPECT_DEATH(RunGuarded({page.Range()}, [] { kill(getpid(), SIGBUS); }), "");
}
