// A value of any copyable type, as the registry and the asset dictionary keep them.
#pragma once

#include <type_traits>
#include <typeinfo>
#include <utility>

namespace Norv {

class Any;
template <class T>
using NotAny = std::enable_if_t<!std::is_same_v<std::decay_t<T>, Any>>;

// Unlike a bare static cast, reading an Any checks the stored type: a value
// read as another type yields nothing, since registry.xml is user-editable
// and can put any type under a key.
class Any {
public:
    class Placeholder {
    public:
        virtual ~Placeholder() = default;
        virtual Placeholder* Clone() const = 0;
        virtual std::type_info const& Type() const = 0;
    };

    template <class T>
    class Holder : public Placeholder {
    public:
        explicit Holder(T const& v) : value(v) {}
        Placeholder* Clone() const override { return new Holder(value); }
        std::type_info const& Type() const override { return typeid(T); }
        T value;
    };

    Any() = default;
    template <class T, class = NotAny<T>>
    Any(T const& value) : content(new Holder<T>(value)) {}
    Any(Any const& other) : content(other.content ? other.content->Clone() : nullptr) {}
    Any(Any&& other) noexcept : content(std::exchange(other.content, nullptr)) {}
    ~Any() { delete content; }

    Any& operator=(Any const& other)
    {
        Any copy(other);
        std::swap(content, copy.content);
        return *this;
    }
    Any& operator=(Any&& other) noexcept
    {
        std::swap(content, other.content);
        return *this;
    }
    // Builds the new holder before the old one is destroyed.
    template <class T, class = NotAny<T>>
    Any& operator=(T const& value)
    {
        Any fresh(value);
        std::swap(content, fresh.content);
        return *this;
    }

    bool IsEmpty() const { return content == nullptr; }
    template <class T>
    bool Is() const { return content && content->Type() == typeid(T); }

    // The held value, or null when empty or holding another type.
    template <class T>
    T* Cast() { return Is<T>() ? &static_cast<Holder<T>*>(content)->value : nullptr; }
    template <class T>
    T const* Cast() const { return Is<T>() ? &static_cast<Holder<T> const*>(content)->value : nullptr; }

private:
    Placeholder* content = nullptr;
};

} // namespace Norv
