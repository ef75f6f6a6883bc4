#pragma once
// Files on their way to the Recycle Bin, sent in batches: one shell operation for many
// files, not one per file. What becomes of each file is handed to the owner's callback,
// in the order the files were added.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace kefelo::search {

class RecycleBatch {
public:
    struct Item {
        std::string path;
        int64_t size = 0;
        uint32_t attributes = 0;  // as listed, for the log's colour
    };
    using Done = std::function<void(const Item&, platform::Recycling)>;

    // A batch of a few hundred keeps the shell's call short enough for the program to stay
    // responsive, and the names well inside what one operation takes.
    static constexpr size_t kBatchSize = 256;

    RecycleBatch(platform::Shell& shell, Done done, size_t batchSize = kBatchSize);
    RecycleBatch(const RecycleBatch&) = delete;
    RecycleBatch& operator=(const RecycleBatch&) = delete;

    // Sends the batch once it is full.
    void add(Item item);
    // Sends what is waiting; the owner calls it before it looks at the folders or totals.
    void flush();
    // Forgets what is waiting (a halted operation sends nothing more).
    void discard() { items_.clear(); }
    // Sends what is waiting while the operation goes on, forgets it once it is halted.
    void settle(bool goingOn) { goingOn ? flush() : discard(); }
    bool empty() const { return items_.empty(); }

private:
    platform::Shell& shell_;
    Done done_;
    size_t batchSize_;
    std::vector<Item> items_;
};

// Why the bin did not take a file, for the log: "... (REASON)".
const char* recyclingRefusalText(platform::Recycling outcome);

}  // namespace kefelo::search
