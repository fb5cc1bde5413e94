// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Common/Event.h"
#include "Common/Point2D.h"

using common::Bind;
using common::Event;

namespace {

// Records calls; its methods are the handlers.
struct Listener {
    std::vector<std::string>* calls;
    std::string name;
    Event<uint32_t>* event = nullptr;
    Listener* other = nullptr;

    void Record(uint32_t value) { calls->push_back(name + std::to_string(value)); }
    void Also(uint32_t value) { calls->push_back(name + "also" + std::to_string(value)); }
    void RemoveSelf(uint32_t value) {
        Record(value);
        event->Remove(Bind<uint32_t>(this, &Listener::RemoveSelf));
    }
    void RemoveOther(uint32_t value) {
        Record(value);
        event->Remove(Bind<uint32_t>(other, &Listener::Record));
    }
    void AddOther(uint32_t value) {
        Record(value);
        event->Add(Bind<uint32_t>(other, &Listener::Record));
    }
    void Throw(uint32_t) { throw std::runtime_error("handler failed"); }
};

// Owns an event and is destroyed by one of its handlers, as a screen closed by its button.
struct Owner {
    Event<uint32_t> event;
};

struct Destroyer {
    std::unique_ptr<Owner>* owner;
    void Handle(uint32_t) { owner->reset(); }
};

}  // namespace

TEST(Event, DuplicatesAreCountedButCalledOnceAndIdentityIsObjectPlusMethod) {
    std::vector<std::string> calls;
    Event<uint32_t> event;
    Listener a{&calls, "a"};
    Listener b{&calls, "b"};
    event.Add(Bind<uint32_t>(&a, &Listener::Record));
    event.AddHandler().Add(Bind<uint32_t>(&a, &Listener::Record));
    event.Add(Bind<uint32_t>(&a, &Listener::Also));
    event.Add(Bind<uint32_t>(&b, &Listener::Record));
    EXPECT_EQ(event.Count(), 4);

    event.Raise(7);
    EXPECT_EQ(calls, (std::vector<std::string>{"a7", "aalso7", "b7"}));

    event.Remove(Bind<uint32_t>(&a, &Listener::Record));
    event.Remove(Bind<uint32_t>(&b, &Listener::Also));  // never added: list unchanged
    EXPECT_EQ(event.Count(), 2);
    calls.clear();
    event.Raise(8);
    EXPECT_EQ(calls, (std::vector<std::string>{"aalso8", "b8"}));

    // A weakly bound target is the same handler, and is skipped once it is gone.
    auto weak = std::make_shared<Listener>(Listener{&calls, "w"});
    event.Add(Bind<uint32_t>(std::weak_ptr<Listener>(weak), &Listener::Record));
    event.Remove(Bind<uint32_t>(weak.get(), &Listener::Record));
    EXPECT_EQ(event.Count(), 2);
    event.Add(Bind<uint32_t>(std::weak_ptr<Listener>(weak), &Listener::Record));
    calls.clear();
    event.Raise(9);
    weak.reset();
    event.Raise(10);
    EXPECT_EQ(calls, (std::vector<std::string>{"aalso9", "b9", "w9", "aalso10", "b10"}));
}

TEST(Event, ChangesDuringARaise) {
    std::vector<std::string> calls;
    Event<uint32_t> event;
    Listener self{&calls, "s", &event};
    Listener remover{&calls, "r", &event};
    Listener adder{&calls, "n", &event};
    Listener victim{&calls, "v"};
    Listener late{&calls, "l"};
    remover.other = &victim;
    adder.other = &late;
    event.Add(Bind<uint32_t>(&self, &Listener::RemoveSelf));
    event.Add(Bind<uint32_t>(&remover, &Listener::RemoveOther));
    event.Add(Bind<uint32_t>(&adder, &Listener::AddOther));
    event.Add(Bind<uint32_t>(&victim, &Listener::Record));

    event.Raise(1);
    // The self-remover still runs, the removed later handler does not, the added one waits.
    EXPECT_EQ(calls, (std::vector<std::string>{"s1", "r1", "n1"}));

    calls.clear();
    event.Remove(Bind<uint32_t>(&adder, &Listener::AddOther));
    event.Raise(2);
    EXPECT_EQ(calls, (std::vector<std::string>{"r2", "l2"}));

    // The owner destroyed by a handler: the raise stops there (under ASan, no use after free).
    auto owner = std::make_unique<Owner>();
    Destroyer destroyer{&owner};
    Listener after{&calls, "a"};
    owner->event.Add(Bind<uint32_t>(&destroyer, &Destroyer::Handle));
    owner->event.Add(Bind<uint32_t>(&after, &Listener::Record));
    calls.clear();
    owner->event.Raise(3);
    EXPECT_EQ(owner, nullptr);
    EXPECT_TRUE(calls.empty());
}

namespace {

struct AddThenRemove {
    Event<uint32_t>* event;
    Listener* other;
    void Handle(uint32_t) {
        event->Add(Bind<uint32_t>(other, &Listener::Record));
        event->Remove(Bind<uint32_t>(other, &Listener::Record));
    }
};

}  // namespace

TEST(Event, AHandlerAddedAndRemovedWithinOneRaiseNeverJoins) {
    std::vector<std::string> calls;
    Event<uint32_t> event;
    Listener gone{&calls, "g"};
    AddThenRemove handler{&event, &gone};
    event.Add(Bind<uint32_t>(&handler, &AddThenRemove::Handle));
    event.Raise(1);
    event.Remove(Bind<uint32_t>(&handler, &AddThenRemove::Handle));
    event.Raise(2);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(event.Count(), 0);
}

TEST(Event, AThrowingHandlerEndsTheRaiseAndLeavesTheEventUsable) {
    std::vector<std::string> calls;
    Event<uint32_t> event;
    Listener first{&calls, "f", &event};
    Listener thrower{&calls, "t"};
    Listener last{&calls, "z"};
    first.other = &last;
    event.Add(Bind<uint32_t>(&first, &Listener::AddOther));
    event.Add(Bind<uint32_t>(&thrower, &Listener::Throw));
    EXPECT_THROW(event.Raise(1), std::runtime_error);
    EXPECT_EQ(calls, (std::vector<std::string>{"f1"}));

    // The handler added before the throw is registered; removal and raising work again.
    calls.clear();
    event.Remove(Bind<uint32_t>(&thrower, &Listener::Throw));
    event.Remove(Bind<uint32_t>(&first, &Listener::AddOther));
    event.Raise(2);
    EXPECT_EQ(calls, (std::vector<std::string>{"z2"}));
}

namespace {

struct Counter {
    int calls = 0;
    common::Point2D last{0, 0};
    void Tick() { ++calls; }
    void At(common::Point2D p) {
        ++calls;
        last = p;
    }
};

struct Reentrant {
    Event<>* event;
    Counter* late;
    int depth = 0;
    std::vector<int> seen;
    void Handle() {
        seen.push_back(depth);
        if (depth++ == 0) event->Raise();
    }
    void AddLate() { event->Add(Bind<>(late, &Counter::Tick)); }
};

}  // namespace

TEST(Event, PayloadlessAndPointEventsAndNestedRaises) {
    Event<> empty;
    empty.Raise();  // no handlers: nothing happens
    Counter counter;
    empty.Add(Bind<>(&counter, &Counter::Tick));
    empty.Raise();
    empty.Raise();
    EXPECT_EQ(counter.calls, 2);

    Event<common::Point2D> moved;
    moved.Add(Bind<common::Point2D>(&counter, &Counter::At));
    moved.Raise(common::Point2D(3, 4));
    EXPECT_TRUE(counter.last.Equals(common::Point2D(3, 4)));

    // A handler raising its own event: the inner raise runs, and the outer one still treats
    // handlers added meanwhile as pending until it has finished.
    Event<> nested;
    Counter late;
    Reentrant reentrant{&nested, &late, 0, {}};
    nested.Add(Bind<>(&reentrant, &Reentrant::Handle));
    nested.Add(Bind<>(&reentrant, &Reentrant::AddLate));
    nested.Raise();
    EXPECT_EQ(reentrant.seen, (std::vector<int>{0, 1}));
    EXPECT_EQ(late.calls, 0);
    nested.Raise();
    EXPECT_EQ(late.calls, 1);
}
