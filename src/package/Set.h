#pragma once

#include <QtGlobal>

#include <initializer_list>

namespace schemakit {

// A set over a small enumeration, one bit per member ordinal (member n is bit n),
// which is also how such sets are stored and compared as integers.
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members)
    {
        for (E m : members)
            FBits |= Bit(m);
    }

    static constexpr TSet FromInt(quint32 bits)
    {
        TSet s;
        s.FBits = bits;
        return s;
    }
    constexpr quint32 ToInt() const { return FBits; }

    constexpr bool Contains(E m) const { return (FBits & Bit(m)) != 0; }
    constexpr bool IsEmpty() const { return FBits == 0; }
    constexpr TSet& Include(E m)
    {
        FBits |= Bit(m);
        return *this;
    }
    constexpr TSet& Exclude(E m)
    {
        FBits &= ~Bit(m);
        return *this;
    }
    constexpr TSet operator+(TSet o) const { return FromInt(FBits | o.FBits); }
    constexpr TSet operator-(TSet o) const { return FromInt(FBits & ~o.FBits); }
    constexpr TSet operator*(TSet o) const { return FromInt(FBits & o.FBits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr quint32 Bit(E m) { return quint32(1) << static_cast<int>(m); }
    quint32 FBits = 0;
};

} // namespace schemakit
