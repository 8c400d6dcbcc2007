#pragma once

#include "../package/StringList.h"

namespace schemakit {

// Keeps a list inside one update while it is emptied and filled, also when a
// handler or the database raises, so its change notification fires once and the
// list is never left held.
class TListUpdate {
public:
    explicit TListUpdate(TStringList& list) : FList(list) { FList.BeginUpdate(); }
    ~TListUpdate() { FList.EndUpdate(); }
    TListUpdate(const TListUpdate&) = delete;
    TListUpdate& operator=(const TListUpdate&) = delete;

private:
    TStringList& FList;
};

} // namespace schemakit
