#pragma once
// Guarded<T>: a record that worker threads and the user-interface thread share,
// behind a lock of its own.
//
// Every access copies or changes the whole record while holding the lock, and no
// reference into the record ever leaves it, so a reader never sees half of a
// writer's change and nobody reads a record another thread is freeing.

#include <mutex>
#include <utility>

namespace lumora {

template <typename T>
class Guarded {
public:
    Guarded() = default;
    Guarded(const Guarded&) = delete;
    Guarded& operator=(const Guarded&) = delete;

    // A copy of the record as it is now.
    T Get() const {
        std::lock_guard lock(mutex_);
        return value_;
    }
    // Replaces the whole record.
    void Set(T value) {
        std::lock_guard lock(mutex_);
        value_ = std::move(value);
    }
    // Runs `change(T&)` on the record under the lock; it must not reach another Guarded.
    template <typename Change>
    void Update(Change&& change) {
        std::lock_guard lock(mutex_);
        std::forward<Change>(change)(value_);
    }

private:
    mutable std::mutex mutex_;
    T value_{};
};

}  // namespace lumora
