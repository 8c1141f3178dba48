// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

namespace platform {

namespace detail {

struct SlotListBase {
    virtual ~SlotListBase() = default;
    virtual void disconnect(std::uint64_t id) = 0;
};

} // namespace detail

// A subscription to a Signal. It ends when disconnected or destroyed, and is
// harmless if the signal has gone first, so views and models may die in any
// order.
class Connection
{
public:
    Connection() = default;
    Connection(std::weak_ptr<detail::SlotListBase> list, std::uint64_t id)
        : m_list(std::move(list))
        , m_id(id)
    {}
    Connection(Connection &&other) noexcept
        : m_list(std::move(other.m_list))
        , m_id(std::exchange(other.m_id, 0))
    {}
    Connection &operator=(Connection &&other) noexcept
    {
        if (this != &other) {
            disconnect();
            m_list = std::move(other.m_list);
            m_id = std::exchange(other.m_id, 0);
        }
        return *this;
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection() { disconnect(); }

    void disconnect()
    {
        if (auto list = m_list.lock())
            list->disconnect(m_id);
        m_list.reset();
    }

private:
    std::weak_ptr<detail::SlotListBase> m_list;
    std::uint64_t m_id = 0;
};

// A change notification in plain C++. Notifying allocates nothing, and a slot
// may connect or disconnect slots, itself included, while it runs.
template <typename... Args> class Signal
{
public:
    Signal() = default;
    Signal(const Signal &) = delete;
    Signal &operator=(const Signal &) = delete;

    [[nodiscard]] Connection connect(std::function<void(Args...)> call)
    {
        const std::uint64_t id = m_list->nextId++;
        m_list->entries.push_back(Slot{id, std::move(call)});
        return Connection(m_list, id);
    }

    void notify(const Args &...args) const
    {
        // Held for the notification, so a slot that destroys the signal's owner
        // does not pull the list from under the loop.
        const std::shared_ptr<SlotList> list = m_list;
        ++list->notifying;
        // A slot connected now hears the next notification; one disconnected
        // now is only marked. Appending to a deque moves no entry, so the
        // running one stays where it is.
        const std::size_t count = list->entries.size();
        for (std::size_t i = 0; i < count; ++i) {
            Slot &slot = list->entries[i];
            if (slot.live)
                slot.call(args...);
        }
        if (--list->notifying == 0)
            list->prune();
    }

private:
    struct Slot {
        std::uint64_t id;
        std::function<void(Args...)> call;
        // Cleared, never the call itself, so a slot may end its own
        // connection while it runs.
        bool live = true;
    };

    struct SlotList : detail::SlotListBase {
        void disconnect(std::uint64_t id) override
        {
            for (Slot &slot : entries) {
                if (slot.id == id) {
                    slot.live = false;
                    dead = true;
                }
            }
            if (notifying == 0)
                prune();
        }
        void prune()
        {
            if (dead)
                std::erase_if(entries, [](const Slot &slot) { return !slot.live; });
            dead = false;
        }

        std::deque<Slot> entries;
        std::uint64_t nextId = 1;
        int notifying = 0;
        bool dead = false;
    };

    std::shared_ptr<SlotList> m_list = std::make_shared<SlotList>();
};

} // namespace platform
