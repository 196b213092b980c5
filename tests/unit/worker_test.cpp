// Work done ahead on the worker's thread: jobs in order, a result worked out
// once by whichever side comes first, and pictures decoded ahead or, when
// their window hid first, not at all.

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

#include "forms/picture.h"
#include "forms/worker.h"

namespace {

using forms::Ahead;
using forms::Worker;

// Holds the worker inside a job until opened, so that what is posted after
// it is known not to have begun.
struct Gate {
    std::promise<void> open;
    explicit Gate(Worker& worker) {
        worker.post([f = open.get_future().share()] { f.wait(); });
    }
};

// Returns once every job posted to `worker` before it has run.
void Drain(Worker& worker) {
    std::promise<void> done;
    worker.post([&done] { done.set_value(); });
    done.get_future().wait();
}

}  // namespace

TEST(Worker, RunsJobsInTheOrderPostedOnAThreadOfItsOwn) {
    Worker worker;
    std::vector<int> order;
    std::thread::id ran;
    for (int i = 0; i < 5; ++i)
        worker.post([&order, &ran, i] {
            order.push_back(i);
            ran = std::this_thread::get_id();
        });
    Drain(worker);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_NE(ran, std::this_thread::get_id());
}

TEST(Ahead, TheResultIsWorkedOutOnceByWhicheverSideComesFirst) {
    struct Case {
        const char* what;
        bool aheadFirst;
        int works;  // after take and a late runAhead
    };
    for (const Case c : {Case{"taken before the worker came", false, 1}, Case{"worked out ahead", true, 1}}) {
        std::atomic<int> works = 0;
        Ahead<int> ahead([&works] { return ++works * 10; });
        if (c.aheadFirst) ahead.runAhead();
        EXPECT_EQ(ahead.take(), 10) << c.what;
        ahead.runAhead();
        EXPECT_EQ(works, c.works) << c.what;
    }
}

TEST(Ahead, ATakerWaitsForWorkUnderWayAndGetsItsFailure) {
    std::promise<void> started, release;
    std::atomic<int> works = 0;
    std::shared_future<void> released = release.get_future().share();
    Ahead<int> ahead([&]() -> int {
        if (works++ == 0) started.set_value();
        released.wait();
        throw std::runtime_error("damaged");
    });
    std::thread worker([&ahead] { ahead.runAhead(); });
    started.get_future().wait();
    std::future<int> taken = std::async(std::launch::async, [&ahead] { return ahead.take(); });
    release.set_value();
    EXPECT_THROW(taken.get(), std::runtime_error);
    worker.join();
    EXPECT_EQ(works, 1) << "the taker waited rather than working it out again";
    EXPECT_THROW(ahead.take(), std::runtime_error) << "a second take works it out itself";
    EXPECT_EQ(works, 2);
}

TEST(Ahead, ATakerWaitingForTheWorkerRunsTheJobsQueuedBehindItsOwn) {
    Worker worker;
    std::promise<void> started, release;
    std::thread::id nextRanOn;
    Ahead<int> first([&] {
        started.set_value();
        release.get_future().wait();
        return 1;
    });
    Ahead<int> next([&] {
        nextRanOn = std::this_thread::get_id();
        release.set_value();  // the first can end only once this one ran
        return 2;
    });
    worker.post([&first] { first.runAhead(); });
    worker.post([&next] { next.runAhead(); });
    started.get_future().wait();
    EXPECT_EQ(first.take([&worker] { return worker.runOne(); }), 1);
    EXPECT_EQ(nextRanOn, std::this_thread::get_id());
    EXPECT_EQ(next.take(), 2);
}

TEST(Pixels, PrefetchedPixelsAreDecodedOnceOnTheWorkerAndACancelledOneNotAtAll) {
    Worker worker;
    std::atomic<int> decodes = 0;
    std::thread::id decodedOn;
    const auto decoder = [&] {
        ++decodes;
        decodedOn = std::this_thread::get_id();
        return forms::PixelWords(4, forms::PixelOf(1, 2, 3));
    };
    forms::Pixels ahead(decoder);
    ahead.prefetch(worker);
    ahead.prefetch(worker);  // once is enough
    Drain(worker);
    EXPECT_EQ(decodes, 1);
    EXPECT_NE(decodedOn, std::this_thread::get_id());
    EXPECT_EQ(ahead.take(), forms::PixelWords(4, forms::PixelOf(1, 2, 3)));
    EXPECT_EQ(decodes, 1) << "taken from the worker";

    forms::Pixels cancelled(decoder);
    {
        Gate gate(worker);
        cancelled.prefetch(worker);
        cancelled.cancelPrefetch();
        gate.open.set_value();
    }
    Drain(worker);
    EXPECT_EQ(decodes, 1) << "its window hid before the worker came to it";
    EXPECT_EQ(cancelled.size(), 4u) << "read after all, it decodes here";
    EXPECT_EQ(decodes, 2);
    EXPECT_EQ(decodedOn, std::this_thread::get_id());
}
