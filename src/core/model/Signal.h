#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace regforge::model {

// A minimal synchronous signal. Slots run in connection order. A slot may connect or disconnect
// others while the signal is being emitted: a slot connected then first runs on the next
// emission, and a slot disconnected then does not run again, not even later in the same one.
//
// Slots are held by value: a connection costs no allocation of its own (the window connects a few
// thousand), and an emission copies nothing. While an emission runs the slot list keeps its place
// in memory (new slots wait beside it and dead ones stay as gaps), so a running slot is never
// moved; the list is settled when the outermost emission ends.
template <class... Args>
class Signal {
public:
    using Slot = std::function<void(Args...)>;

    Signal() = default;
    ~Signal() {
        // An emission whose slot destroyed the signal stops there.
        for (Emission* e = emissions_; e != nullptr; e = e->outer)
            e->signalAlive = false;
    }
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    int connect(Slot slot) {
        const int id = nextId_++;
        if (emissions_ == nullptr) {
            slots_.push_back({id, std::move(slot)});
        } else {
            if (!waiting_)
                waiting_ = std::make_unique<std::vector<Entry>>();
            waiting_->push_back({id, std::move(slot)});
        }
        return id;
    }

    void disconnect(int id) {
        if (emissions_ == nullptr) {
            std::erase_if(slots_, [id](const Entry& e) { return e.id == id; });
            return;
        }
        if (waiting_)
            std::erase_if(*waiting_, [id](const Entry& e) { return e.id == id; });
        for (Entry& e : slots_)
            if (e.id == id) {
                e.id = kGap;
                gaps_ = true;
            }
    }

    void disconnectAll() {
        if (emissions_ == nullptr) {
            slots_.clear();
            return;
        }
        waiting_.reset();
        for (Entry& e : slots_)
            e.id = kGap;
        gaps_ = true;
    }

    bool empty() const {
        for (const Entry& e : slots_)
            if (e.id != kGap)
                return false;
        return !waiting_ || waiting_->empty();
    }

    void emit(Args... args) const {
        Emission emission{emissions_};
        emissions_ = &emission;
        struct Finish {
            const Signal& signal;
            Emission& emission;
            ~Finish() {
                if (emission.signalAlive)
                    signal.finish(emission);
            }
        } finish{*this, emission};
        const std::size_t count = slots_.size();
        for (std::size_t i = 0; i < count && emission.signalAlive; ++i)
            if (slots_[i].id != kGap)
                slots_[i].slot(args...);
    }

private:
    static constexpr int kGap = 0;

    struct Entry {
        int id;
        Slot slot;
    };
    // One running emission; emissions nest when a slot emits the same signal again.
    struct Emission {
        Emission* outer;
        bool signalAlive = true;
    };

    void finish(const Emission& emission) const {
        emissions_ = emission.outer;
        if (emissions_ != nullptr)
            return;
        if (gaps_)
            std::erase_if(slots_, [](const Entry& e) { return e.id == kGap; });
        gaps_ = false;
        if (!waiting_)
            return;
        for (Entry& e : *waiting_)
            slots_.push_back(std::move(e));
        waiting_.reset();
    }

    // Emitting is const for the signal's owner; the bookkeeping of running emissions is not.
    mutable std::vector<Entry> slots_;
    // Slots connected during an emission (rare, so held apart from the signal).
    mutable std::unique_ptr<std::vector<Entry>> waiting_;
    mutable Emission* emissions_ = nullptr;
    int nextId_ = 1;
    // Slots disconnected during an emission left gaps to close when it ends.
    mutable bool gaps_ = false;
};

} // namespace regforge::model
