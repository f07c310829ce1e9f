#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace regforge::model {

// A minimal synchronous signal. Slots run in connection order; a slot may connect or
// disconnect others while the signal is being emitted.
template <class... Args>
class Signal {
public:
    using Slot = std::function<void(Args...)>;

    int connect(Slot slot) {
        const int id = nextId_++;
        slots_.push_back({id, std::make_shared<Slot>(std::move(slot))});
        return id;
    }

    void disconnect(int id) {
        std::erase_if(slots_, [id](const Entry& e) { return e.id == id; });
    }

    void disconnectAll() { slots_.clear(); }

    bool empty() const { return slots_.empty(); }

    void emit(Args... args) const {
        const auto snapshot = slots_;
        for (const auto& entry : snapshot)
            (*entry.slot)(args...);
    }

private:
    struct Entry {
        int id;
        std::shared_ptr<Slot> slot;
    };
    std::vector<Entry> slots_;
    int nextId_ = 1;
};

} // namespace regforge::model
