#pragma once

#include <QtGlobal>

#include <initializer_list>

namespace schemakit {

/// A set over a small enumeration, one bit per member ordinal (member n is bit n),
/// which is also how such sets are stored and compared as integers.
template <typename E>
class TSet {
public:
    /// The empty set.
    constexpr TSet() = default;
    /// The set of the given members.
    constexpr TSet(std::initializer_list<E> members)
    {
        for (E m : members)
            FBits |= Bit(m);
    }

    /// The set whose bit n is bit n of `bits`, as stored.
    static constexpr TSet FromInt(quint32 bits)
    {
        TSet s;
        s.FBits = bits;
        return s;
    }
    /// The set as stored: bit n set when member n is in it.
    constexpr quint32 ToInt() const { return FBits; }

    /// Whether `m` is in the set.
    constexpr bool Contains(E m) const { return (FBits & Bit(m)) != 0; }
    /// Whether the set has no member.
    constexpr bool IsEmpty() const { return FBits == 0; }
    /// Adds `m` to the set; returns the set.
    constexpr TSet& Include(E m)
    {
        FBits |= Bit(m);
        return *this;
    }
    /// Removes `m` from the set; returns the set.
    constexpr TSet& Exclude(E m)
    {
        FBits &= ~Bit(m);
        return *this;
    }
    /// The union of both sets.
    constexpr TSet operator+(TSet o) const { return FromInt(FBits | o.FBits); }
    /// The members of this set that are not in `o`.
    constexpr TSet operator-(TSet o) const { return FromInt(FBits & ~o.FBits); }
    /// The intersection of both sets.
    constexpr TSet operator*(TSet o) const { return FromInt(FBits & o.FBits); }
    /// Equal when both hold the same members.
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr quint32 Bit(E m) { return quint32(1) << static_cast<int>(m); }
    quint32 FBits = 0;
};

} // namespace schemakit
