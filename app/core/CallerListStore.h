#pragma once

namespace fonkel {

class ListView;

// What the main window needs of the stored caller list (the local number
// database): deleting stored calls by age and loading the stored calls into
// the caller list.
class CallerListStore {
public:
    virtual ~CallerListStore() = default;

    // Deletes stored calls older than that many days; -1 deletes all.
    virtual void LoescheAnruferliste(int days) = 0;
    // Replaces the list's entries by the stored calls.
    virtual void leseMDBinListview(ListView& list) = 0;
};

} // namespace fonkel
