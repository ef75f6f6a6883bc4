#include "platform/fake/fake_file_system.h"

#include <algorithm>
#include <cctype>
#include <list>
#include <stdexcept>
#include <unordered_map>

#include "base/text/codec.h"

namespace kefelo::platform::fake {
namespace {

// Windows error numbers the fake reports, chosen to match what the real calls give.
constexpr uint32_t kFileNotFound = 2;
constexpr uint32_t kPathNotFound = 3;
constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kNotEnoughMemory = 8;
constexpr uint32_t kNotSameDevice = 17;
constexpr uint32_t kInvalidParameter = 87;
constexpr uint32_t kSharingViolation = 32;
constexpr uint32_t kFileExists = 80;
constexpr uint32_t kInvalidName = 123;
constexpr uint32_t kDirNotEmpty = 145;
constexpr uint32_t kAlreadyExists = 183;
constexpr uint32_t kDirectoryInvalid = 267;
constexpr uint32_t kDiskFull = 112;

// The same limit as the Win32 readFile: whole-file reads are for small files.
constexpr uint64_t kMaxReadSize = 256ull << 20;

// Bits kept per node; the directory bit follows the node kind, "normal" is only reported.
constexpr uint32_t kStoredMask = ~(attr::kDirectory | attr::kNormal);

struct Node {
    std::string name;
    bool dir = false;
    uint32_t attributes = 0;
    std::string content;
    std::optional<uint64_t> sizeOverride;
    int64_t lastWriteUtc = 0;
    bool locked = false;
    bool listable = true;
    bool writable = true;
    std::string shortName;
    uint64_t id = 0;
    std::string linkTarget;  // a junction: where it leads
    bool identifiable = true;
    Node* parent = nullptr;
    // Listing order; a list so that deleting from a big folder stays cheap.
    std::list<std::unique_ptr<Node>> children;
    std::list<std::unique_ptr<Node>>::iterator self;          // this node's place in its parent
    std::unordered_map<std::string, Node*> byLowerName;       // lookup without regard to case
    std::unordered_map<std::string, Node*> byLowerShortName;  // paths may use the 8.3 alias

    uint64_t size() const { return dir ? 0 : sizeOverride.value_or(content.size()); }
    uint32_t reportedAttributes() const {
        uint32_t a = attributes & kStoredMask;
        if (dir) return a | attr::kDirectory;
        return a ? a : attr::kNormal;
    }
    bool readOnly() const { return (attributes & attr::kReadOnly) != 0; }

    Node* child(const std::string& lowerName) const {
        auto it = byLowerName.find(lowerName);
        if (it != byLowerName.end()) return it->second;
        auto alias = byLowerShortName.find(lowerName);
        return alias == byLowerShortName.end() ? nullptr : alias->second;
    }
    void setShortName(Node* node, const std::string& alias) {
        if (!node->shortName.empty()) byLowerShortName.erase(text::lower(node->shortName));
        node->shortName = alias;
        if (!alias.empty()) byLowerShortName[text::lower(alias)] = node;
    }
    Node* attach(std::unique_ptr<Node> node) {
        node->parent = this;
        Node* raw = node.get();
        byLowerName[text::lower(raw->name)] = raw;
        children.push_back(std::move(node));
        raw->self = std::prev(children.end());
        return raw;
    }
    std::unique_ptr<Node> detach(Node* node) {
        std::unique_ptr<Node> owned = std::move(*node->self);
        children.erase(node->self);
        byLowerName.erase(text::lower(node->name));
        if (!node->shortName.empty()) byLowerShortName.erase(text::lower(node->shortName));
        owned->parent = nullptr;
        return owned;
    }
    bool isInside(const Node* ancestor) const {
        for (const Node* n = this; n; n = n->parent) {
            if (n == ancestor) return true;
        }
        return false;
    }
};

DirEntry entryOf(const Node& node, const std::string& name) {
    DirEntry e;
    e.name = name;
    e.attributes = node.reportedAttributes();
    e.size = node.size();
    e.lastWriteUtc = node.lastWriteUtc;
    return e;
}

// A path split into drive (or network share) and components, with "." and ".." already
// applied.
struct ParsedPath {
    char drive = 0;  // upper case; 0 for a share, and when the path cannot be parsed
    std::string share;  // "server\share" as written, for "\\server\share\..."
    std::vector<std::string> parts;
    bool trailingSeparator = false;
    bool valid() const { return drive != 0 || !share.empty(); }
};

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> splitComponents(std::string_view s) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= s.size()) {
        size_t end = start;
        while (end < s.size() && !isSeparator(s[end])) ++end;
        out.emplace_back(s.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// Shell-style match of one name against "*" and "?" (the mask is already lower case).
bool globMatch(std::string_view name, std::string_view mask) {
    size_t n = 0, m = 0, starM = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (starM != std::string_view::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

bool hasWildcard(std::string_view s) { return s.find_first_of("*?") != std::string_view::npos; }

class FakeListing : public Listing {
public:
    explicit FakeListing(std::vector<DirEntry> entries) : entries_(std::move(entries)) {}
    bool next(DirEntry& entry) override {
        if (pos_ >= entries_.size()) return false;
        entry = std::move(entries_[pos_++]);
        return true;
    }

private:
    std::vector<DirEntry> entries_;
    size_t pos_ = 0;
};

}  // namespace

struct FakeFileSystem::Impl {
    struct Drive {
        std::unique_ptr<Node> root;
        DriveType type = DriveType::Fixed;
        DiskSpace space{50'000'000'000ull, 100'000'000'000ull, 50'000'000'000ull};
        std::string label;
        uint32_t serial = 0;
        std::string aliasOf;  // a second name for a folder elsewhere; no root of its own
    };
    std::map<char, Drive> drives;
    // Network shares by "server\share" in lower case.
    std::map<std::string, Drive> shares;
    std::string currentDir = "C:\\";
    uint32_t lastError = 0;
    int listCalls = 0;
    uint64_t nextId = 1;
    unsigned nextTemp = 0;
    bool diskFull = false;
    uint32_t nextSerial = 0x1A2B0001;

    std::unique_ptr<Node> fresh() {
        auto node = std::make_unique<Node>();
        node->id = nextId++;
        return node;
    }

    bool fail(uint32_t code) {
        lastError = code;
        return false;
    }

    ParsedPath parse(const std::string& path) const {
        ParsedPath p;
        if (path.empty()) return p;
        std::string_view rest = path;
        std::string base;
        // "\\?\C:\..." and "\\?\UNC\server\share\..." reach the same folders as the plain forms.
        const bool devicePrefix = rest.size() >= 4 && isSeparator(rest[0]) && isSeparator(rest[1]) &&
                                  (rest[2] == '?' || rest[2] == '.') && isSeparator(rest[3]);
        if (devicePrefix) {
            rest.remove_prefix(4);
            if (rest.size() >= 4 && text::asciiLower(rest.substr(0, 3)) == "unc" && isSeparator(rest[3])) {
                return parse("\\\\" + std::string(rest.substr(4)));
            }
            if (rest.size() < 2 || rest[1] != ':') return p;
        }
        if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
            p.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0])));
            rest.remove_prefix(2);
            // "X:name" is relative to the current folder when that is on drive X.
            if ((rest.empty() || !isSeparator(rest[0])) && std::toupper(currentDir[0]) == p.drive) base = currentDir;
        } else if (rest.size() >= 2 && isSeparator(rest[0]) && isSeparator(rest[1])) {
            // "\\server\share": the share is the root; ".." stops there.
            std::vector<std::string> pieces;
            for (auto& piece : splitComponents(rest.substr(2))) {
                if (!piece.empty()) pieces.push_back(std::move(piece));
            }
            if (pieces.size() < 2) return p;
            p.share = pieces[0] + "\\" + pieces[1];
            p.trailingSeparator = isSeparator(rest.back());
            for (size_t i = 2; i < pieces.size(); ++i) {
                if (pieces[i] == ".") continue;
                if (pieces[i] == "..") {
                    if (!p.parts.empty()) p.parts.pop_back();
                    continue;
                }
                p.parts.push_back(std::move(pieces[i]));
            }
            return p;
        } else {
            p.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(currentDir[0])));
            if (rest.empty() || !isSeparator(rest[0])) base = currentDir;
        }
        for (const auto& part : splitComponents(std::string_view(base).substr(std::min<size_t>(2, base.size())))) {
            if (!part.empty()) p.parts.push_back(part);
        }
        p.trailingSeparator = !rest.empty() && isSeparator(rest.back());
        for (auto& part : splitComponents(rest)) {
            if (part.empty() || part == ".") continue;
            if (part == "..") {
                if (!p.parts.empty()) p.parts.pop_back();
                continue;
            }
            p.parts.push_back(std::move(part));
        }
        return p;
    }

    Node* root(char drive) const {
        auto it = drives.find(drive);
        return it == drives.end() ? nullptr : it->second.root.get();
    }
    const Drive* driveOf(const ParsedPath& p) const {
        if (!p.share.empty()) {
            auto it = shares.find(text::lower(p.share));
            return it == shares.end() ? nullptr : &it->second;
        }
        auto it = drives.find(p.drive);
        return it == drives.end() ? nullptr : &it->second;
    }
    Node* root(const ParsedPath& p) const {
        const Drive* d = driveOf(p);
        return d ? d->root.get() : nullptr;
    }

    Drive& ensureDrive(char drive) {
        Drive& d = drives[drive];
        if (!d.aliasOf.empty()) throw std::invalid_argument("fake file system: build through the real path, not a drive alias");
        if (!d.root) {
            d.root = fresh();
            d.root->name = std::string(1, drive) + ":";
            d.root->dir = true;
            d.serial = nextSerial++;
        }
        return d;
    }

    Drive& ensureRoot(const ParsedPath& p) {
        if (p.share.empty()) return ensureDrive(p.drive);
        Drive& d = shares[text::lower(p.share)];
        if (!d.aliasOf.empty()) throw std::invalid_argument("fake file system: build through the real path, not a share alias");
        if (!d.root) {
            d.root = fresh();
            d.root->name = "\\\\" + p.share;
            d.root->dir = true;
            d.type = DriveType::Remote;
            d.serial = nextSerial++;
        }
        return d;
    }

    // `target` with the components of `rest` from `from` on appended.
    ParsedPath rebased(const std::string& target, const ParsedPath& rest, size_t from) const {
        ParsedPath out = parse(target);
        for (size_t i = from; i < rest.parts.size(); ++i) out.parts.push_back(rest.parts[i]);
        out.trailingSeparator = rest.trailingSeparator;
        return out;
    }

    // Walks a parsed path without touching the error code. Drive and share aliases are
    // followed, and so are links on the way; the last component's link only with
    // `followLast` (or a trailing separator), as Windows reports a link itself unless it
    // is opened. `onlyLastMissing` tells whether just the last component was not found.
    Node* lookup(const ParsedPath& start, bool* onlyLastMissing = nullptr, bool followLast = false) const {
        ParsedPath p = start;
        if (onlyLastMissing) *onlyLastMissing = false;
        // A bound on hops, so that links that lead to each other end as "not found".
        for (int hops = 0; hops < 32; ++hops) {
            const Drive* d = driveOf(p);
            if (!d) return nullptr;
            if (!d->aliasOf.empty()) {
                p = rebased(d->aliasOf, p, 0);
                continue;
            }
            Node* node = d->root.get();
            bool moved = false;
            for (size_t i = 0; i < p.parts.size(); ++i) {
                Node* next = node->dir ? node->child(text::lower(p.parts[i])) : nullptr;
                if (!next) {
                    if (onlyLastMissing) *onlyLastMissing = node->dir && i + 1 == p.parts.size();
                    return nullptr;
                }
                const bool last = i + 1 == p.parts.size();
                if (!next->linkTarget.empty() && (!last || followLast || p.trailingSeparator)) {
                    p = rebased(next->linkTarget, p, i + 1);
                    moved = true;
                    break;
                }
                node = next;
            }
            if (moved) continue;
            // "file.txt\" names no folder.
            if (p.trailingSeparator && !node->dir) return nullptr;
            return node;
        }
        return nullptr;
    }

    // Resolves a parsed path; on failure sets the error Windows gives: 2 when only the
    // last component is missing, 3 when a folder on the way is.
    Node* resolve(const ParsedPath& p, bool followLast = false) {
        bool onlyLastMissing = false;
        Node* node = lookup(p, &onlyLastMissing, followLast);
        if (!node) fail(onlyLastMissing ? kFileNotFound : kPathNotFound);
        return node;
    }
    Node* resolve(const std::string& path) { return resolve(parse(path)); }

    // The path of a node from its own root down, in the names it was given.
    static std::string pathOf(const Node* node) {
        std::vector<const Node*> chain;
        for (const Node* n = node; n; n = n->parent) chain.push_back(n);
        std::string out = chain.back()->name;
        if (chain.size() == 1) return out.size() == 2 ? out + "\\" : out;
        for (size_t i = chain.size() - 1; i-- > 0;) out += "\\" + chain[i]->name;
        return out;
    }
    const Drive* driveOwning(const Node* node) const {
        while (node->parent) node = node->parent;
        for (const auto& [letter, drive] : drives) {
            if (drive.root.get() == node) return &drive;
        }
        for (const auto& [name, share] : shares) {
            if (share.root.get() == node) return &share;
        }
        return nullptr;
    }

    // The folder that would hold the path's last component.
    Node* resolveParent(const ParsedPath& p) {
        if (p.parts.empty()) return fail(kAccessDenied), nullptr;
        ParsedPath parent = p;
        parent.parts.pop_back();
        parent.trailingSeparator = false;
        Node* node = resolve(parent);
        if (!node || !node->dir) return fail(kPathNotFound), nullptr;
        return node;
    }

    Node* build(const std::string& path, bool dir) {
        ParsedPath p = parse(path);
        if (!p.valid()) throw std::invalid_argument("fake file system: bad path " + path);
        Node* node = ensureRoot(p).root.get();
        for (size_t i = 0; i < p.parts.size(); ++i) {
            Node* next = node->child(text::lower(p.parts[i]));
            if (!next) {
                auto created = fresh();
                created->name = p.parts[i];
                created->dir = dir || i + 1 < p.parts.size();
                next = node->attach(std::move(created));
            } else if (!next->dir && i + 1 < p.parts.size()) {
                throw std::invalid_argument("fake file system: a file is in the way of " + path);
            } else if (!next->linkTarget.empty()) {
                throw std::invalid_argument("fake file system: build through the real path, not a link: " + path);
            }
            node = next;
        }
        if (node->dir != dir) throw std::invalid_argument("fake file system: kind differs for " + path);
        return node;
    }

    std::unique_ptr<Listing> list(const std::string& pattern) {
        if (pattern.empty()) return fail(kPathNotFound), nullptr;
        size_t cut = pattern.find_last_of("\\/");
        std::string folder, mask;
        if (cut == std::string::npos) {
            bool drivePrefix = pattern.size() >= 2 && pattern[1] == ':';
            folder = drivePrefix ? pattern.substr(0, 2) : ".";
            mask = drivePrefix ? pattern.substr(2) : pattern;
        } else {
            folder = pattern.substr(0, cut + 1);
            mask = pattern.substr(cut + 1);
        }
        ParsedPath p = parse(folder);
        Node* dir = resolve(p, true);
        if (!dir || !dir->dir) return fail(kPathNotFound), nullptr;
        if (!dir->listable) return fail(kAccessDenied), nullptr;

        std::string lowerMask = text::lower(mask);
        // "*.*" means every name, dotted or not, as on Windows.
        bool all = lowerMask == "*" || lowerMask == "*.*";
        auto wanted = [&](const std::string& name) { return all || globMatch(text::lower(name), lowerMask); };

        std::vector<DirEntry> entries;
        entries.reserve(dir->children.size() + 2);
        // Windows reports "." and ".." first in every folder but a drive root.
        if (dir->parent) {
            if (wanted(".")) entries.push_back(entryOf(*dir, "."));
            if (wanted("..")) entries.push_back(entryOf(*dir->parent, ".."));
        }
        for (const auto& c : dir->children) {
            if (wanted(c->name)) entries.push_back(entryOf(*c, c->name));
        }
        // The names the listing gives carry no short names (a basic-information listing).
        return std::make_unique<FakeListing>(std::move(entries));
    }

    Node* existing(const std::string& path) {
        Node* node = resolve(path);
        if (!node) throw std::invalid_argument("fake file system: no such path " + path);
        return node;
    }
};

FakeFileSystem::FakeFileSystem() : impl_(std::make_unique<Impl>()) {}
FakeFileSystem::~FakeFileSystem() = default;

void FakeFileSystem::addDirectory(const std::string& path, uint32_t attributes, int64_t lastWriteUtc) {
    Node* node = impl_->build(path, true);
    node->attributes = attributes & kStoredMask;
    node->lastWriteUtc = lastWriteUtc;
}

void FakeFileSystem::addFile(const std::string& path, const std::string& content, uint32_t attributes,
                             int64_t lastWriteUtc) {
    Node* node = impl_->build(path, false);
    node->content = content;
    node->sizeOverride.reset();
    node->attributes = attributes & kStoredMask;
    node->lastWriteUtc = lastWriteUtc;
}

void FakeFileSystem::addFileOfSize(const std::string& path, uint64_t size, uint32_t attributes, int64_t lastWriteUtc) {
    addFile(path, "", attributes, lastWriteUtc);
    impl_->resolve(path)->sizeOverride = size;
}

void FakeFileSystem::setLocked(const std::string& path, bool locked) { impl_->existing(path)->locked = locked; }

void FakeFileSystem::setShortName(const std::string& path, const std::string& shortName) {
    Node* node = impl_->existing(path);
    if (!node->parent) throw std::invalid_argument("fake file system: a drive root has no short name");
    node->parent->setShortName(node, shortName);
}

void FakeFileSystem::setListable(const std::string& path, bool listable) { impl_->existing(path)->listable = listable; }

void FakeFileSystem::setDiskFull(bool full) { impl_->diskFull = full; }

void FakeFileSystem::setWritable(const std::string& folder, bool writable) {
    impl_->existing(folder)->writable = writable;
}

void FakeFileSystem::addDrive(char letter, DriveType type, DiskSpace space, const std::string& label) {
    auto& d = impl_->ensureDrive(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
    d.type = type;
    d.space = space;
    d.label = label;
}

void FakeFileSystem::addLink(const std::string& path, const std::string& target) {
    Node* node = impl_->build(path, true);
    if (!node->children.empty()) throw std::invalid_argument("fake file system: a link cannot hold entries: " + path);
    node->linkTarget = target;
    node->attributes = attr::kReparsePoint;
}

void FakeFileSystem::addDriveAlias(char letter, const std::string& target) {
    Impl::Drive& d = impl_->drives[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))];
    if (d.root) throw std::invalid_argument("fake file system: the drive exists already");
    d.aliasOf = target;
}

void FakeFileSystem::addShareAlias(const std::string& serverShare, const std::string& target) {
    Impl::Drive& d = impl_->shares[text::lower(serverShare)];
    if (d.root) throw std::invalid_argument("fake file system: the share exists already");
    d.aliasOf = target;
    d.type = DriveType::Remote;
}

void FakeFileSystem::setIdentifiable(const std::string& path, bool identifiable) {
    impl_->existing(path)->identifiable = identifiable;
}

bool FakeFileSystem::exists(const std::string& path) const { return impl_->lookup(impl_->parse(path)) != nullptr; }

std::optional<std::string> FakeFileSystem::content(const std::string& path) const {
    const Node* node = impl_->lookup(impl_->parse(path));
    if (!node || node->dir) return std::nullopt;
    return node->content;
}

std::vector<std::string> FakeFileSystem::namesIn(const std::string& folder) const {
    std::vector<std::string> names;
    const Node* node = impl_->lookup(impl_->parse(folder));
    if (!node) return names;
    for (const auto& c : node->children) names.push_back(c->name);
    return names;
}

int FakeFileSystem::listCalls() const { return impl_->listCalls; }

std::unique_ptr<Listing> FakeFileSystem::list(const std::string& pattern) {
    ++impl_->listCalls;
    return impl_->list(pattern);
}

std::optional<DirEntry> FakeFileSystem::find(const std::string& path) {
    ParsedPath p = impl_->parse(path);
    if (!p.parts.empty() && hasWildcard(p.parts.back())) {
        auto listing = impl_->list(path);
        DirEntry e;
        if (listing && listing->next(e)) return e;
        if (listing) impl_->fail(kFileNotFound);
        return std::nullopt;
    }
    // A drive root or a path ending in a separator is no directory entry of its own.
    if (p.parts.empty() || p.trailingSeparator) return impl_->fail(kFileNotFound), std::nullopt;
    Node* node = impl_->resolve(p);
    if (!node) return std::nullopt;
    DirEntry e = entryOf(*node, node->name);
    e.shortName = node->shortName;
    return e;
}

std::optional<uint32_t> FakeFileSystem::getAttributes(const std::string& path) {
    Node* node = impl_->resolve(path);
    if (!node) return std::nullopt;
    return node->reportedAttributes();
}

bool FakeFileSystem::setAttributes(const std::string& path, uint32_t attributes) {
    Node* node = impl_->resolve(path);
    if (!node) return false;
    node->attributes = attributes & kStoredMask;
    return true;
}

bool FakeFileSystem::fileExists(const std::string& path) {
    Node* node = impl_->resolve(path);
    return node && !node->dir;
}

bool FakeFileSystem::directoryExists(const std::string& path) {
    Node* node = impl_->resolve(path);
    return node && node->dir;
}

bool FakeFileSystem::deleteFile(const std::string& path) {
    Node* node = impl_->resolve(path);
    if (!node) return false;
    if (node->dir || node->readOnly() || !node->parent->writable) return impl_->fail(kAccessDenied);
    if (node->locked) return impl_->fail(kSharingViolation);
    node->parent->detach(node);
    return true;
}

bool FakeFileSystem::removeDirectory(const std::string& path) {
    Node* node = impl_->resolve(path);
    if (!node) return false;
    if (!node->dir) return impl_->fail(kDirectoryInvalid);
    if (!node->parent || node->readOnly() || !node->parent->writable) return impl_->fail(kAccessDenied);
    if (node->locked) return impl_->fail(kSharingViolation);
    if (!node->children.empty()) return impl_->fail(kDirNotEmpty);
    // The process holds its current folder open.
    if (impl_->lookup(impl_->parse(impl_->currentDir)) == node) return impl_->fail(kSharingViolation);
    node->parent->detach(node);
    return true;
}

bool FakeFileSystem::createDirectory(const std::string& path) {
    ParsedPath p = impl_->parse(path);
    if (p.parts.empty() && impl_->root(p)) return impl_->fail(kAlreadyExists);
    Node* parent = impl_->resolveParent(p);
    if (!parent) return false;
    if (parent->child(text::lower(p.parts.back()))) return impl_->fail(kAlreadyExists);
    if (!parent->writable) return impl_->fail(kAccessDenied);
    auto node = impl_->fresh();
    node->name = p.parts.back();
    node->dir = true;
    parent->attach(std::move(node));
    return true;
}

bool FakeFileSystem::moveFile(const std::string& from, const std::string& to) {
    Node* source = impl_->resolve(from);
    if (!source) return false;
    if (!source->parent) return impl_->fail(kAccessDenied);
    ParsedPath target = impl_->parse(to);
    Node* targetParent = impl_->resolveParent(target);
    if (!targetParent) return false;
    Node* existing = targetParent->child(text::lower(target.parts.back()));
    if (existing && existing != source) return impl_->fail(kAlreadyExists);
    if (source->locked) return impl_->fail(kSharingViolation);
    if (!source->parent->writable || !targetParent->writable) return impl_->fail(kAccessDenied);
    if (source->dir) {
        if (impl_->driveOf(impl_->parse(from)) != impl_->driveOf(target)) return impl_->fail(kNotSameDevice);
        if (targetParent->isInside(source)) return impl_->fail(kInvalidParameter);
    }
    if (existing == source) {  // a change of letter case only
        source->parent->byLowerName.erase(text::lower(source->name));
        source->name = target.parts.back();
        source->parent->byLowerName[text::lower(source->name)] = source;
        return true;
    }
    auto owned = source->parent->detach(source);
    owned->name = target.parts.back();
    owned->shortName.clear();  // the volume would make a new alias for the new name
    targetParent->attach(std::move(owned));
    return true;
}

bool FakeFileSystem::deleteAtRestart(const std::string& path) {
    if (!restartDeletesAllowed) return impl_->fail(kAccessDenied);
    pendingRestartDeletes.push_back(path);
    return true;
}

void FakeFileSystem::restartSystem() {
    for (const std::string& path : pendingRestartDeletes) {
        setLocked(path, false);
        setAttributes(path, attr::kArchive);
        deleteFile(path);
    }
    pendingRestartDeletes.clear();
}

bool FakeFileSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    Node* source = impl_->resolve(from);
    if (!source) return false;
    if (source->dir) return impl_->fail(kAccessDenied);
    if (source->locked) return impl_->fail(kSharingViolation);
    ParsedPath target = impl_->parse(to);
    Node* targetParent = impl_->resolveParent(target);
    if (!targetParent) return false;
    Node* existing = targetParent->child(text::lower(target.parts.back()));
    if (existing) {
        if (failIfExists) return impl_->fail(kFileExists);
        if (existing == source || existing->locked) return impl_->fail(kSharingViolation);
        // CopyFile will not overwrite a read-only or hidden file.
        if (existing->dir || existing->readOnly() || (existing->attributes & attr::kHidden)) {
            return impl_->fail(kAccessDenied);
        }
    }
    if (!targetParent->writable) return impl_->fail(kAccessDenied);
    Node* copy = existing;
    if (!copy) {
        auto node = impl_->fresh();
        node->name = target.parts.back();
        copy = targetParent->attach(std::move(node));
    }
    // A copy carries the source's bytes, attributes and last-write time.
    copy->content = source->content;
    copy->sizeOverride = source->sizeOverride;
    copy->attributes = source->attributes;
    copy->lastWriteUtc = source->lastWriteUtc;
    return true;
}

std::optional<FolderIdentity> FakeFileSystem::identify(const std::string& path) {
    const ParsedPath p = impl_->parse(path);
    Node* node = impl_->resolve(p, true);
    if (!node) return std::nullopt;
    if (!node->identifiable) return impl_->fail(kAccessDenied), std::nullopt;
    const Impl::Drive* drive = impl_->driveOwning(node);
    FolderIdentity identity;
    identity.finalPath = Impl::pathOf(node);
    identity.volumeSerial = drive ? drive->serial : 0;
    identity.fileId = node->id;
    // Opened over a share that leads to a local folder, Windows names the share.
    if (const Impl::Drive* reached = impl_->driveOf(p); reached && !p.share.empty() && !reached->aliasOf.empty()) {
        if (const Node* target = impl_->lookup(impl_->parse(reached->aliasOf), nullptr, true)) {
            const std::string base = Impl::pathOf(target);
            const std::string prefix = base.back() == '\\' ? base.substr(0, base.size() - 1) : base;
            if (text::lower(identity.finalPath).rfind(text::lower(prefix), 0) == 0) {
                identity.finalPath = "\\\\" + p.share + identity.finalPath.substr(prefix.size());
                if (identity.finalPath.back() == '\\' && identity.finalPath.size() > 2) identity.finalPath.pop_back();
            }
        }
    }
    return identity;
}

std::string FakeFileSystem::shortPath(const std::string& path) {
    ParsedPath p = impl_->parse(path);
    Node* node = impl_->resolve(p);
    if (!node) return path;
    // Only a plain absolute path is rewritten: its components map one to one onto the
    // folders from the root down. Anything relative or with "." or ".." stays as given.
    std::vector<std::string> given = splitComponents(path);
    if (p.trailingSeparator) given.pop_back();
    std::vector<Node*> chain;
    for (Node* n = node; n->parent; n = n->parent) chain.push_back(n);
    std::reverse(chain.begin(), chain.end());
    if (chain.empty()) return path;
    if (given.size() != chain.size() + 1 || given[0].size() != 2 || given[0][1] != ':') return path;
    std::string out = given[0];
    for (size_t i = 0; i < chain.size(); ++i) {
        if (given[i + 1] == "." || given[i + 1] == "..") return path;
        out += '\\';
        out += chain[i]->shortName.empty() ? given[i + 1] : chain[i]->shortName;
    }
    if (p.trailingSeparator) out += '\\';
    return out;
}

std::optional<std::string> FakeFileSystem::readFile(const std::string& path) {
    Node* node = impl_->resolve(path);
    if (!node) return std::nullopt;
    if (node->dir) return impl_->fail(kAccessDenied), std::nullopt;
    if (node->locked) return impl_->fail(kSharingViolation), std::nullopt;
    if (node->sizeOverride) {
        if (*node->sizeOverride > kMaxReadSize) return impl_->fail(kNotEnoughMemory), std::nullopt;
        return std::string(*node->sizeOverride, '\0');
    }
    return node->content;
}

bool FakeFileSystem::writeFileAtomic(const std::string& path, const std::string& bytes) {
    ParsedPath p = impl_->parse(path);
    Node* parent = impl_->resolveParent(p);
    if (!parent) return false;
    if (!parent->writable) return impl_->fail(kAccessDenied);
    // The new file beside could not be filled: the old one stays as it was.
    if (impl_->diskFull && !bytes.empty()) return impl_->fail(kDiskFull);
    Node* node = parent->child(text::lower(p.parts.back()));
    if (node) {
        // A rename over a file that someone holds open is refused as access denied.
        if (node->dir || node->readOnly() || node->locked) return impl_->fail(kAccessDenied);
    } else {
        auto fresh = impl_->fresh();
        fresh->name = p.parts.back();
        node = parent->attach(std::move(fresh));
    }
    // The renamed-in file is a new one: fresh bytes and plain archive attribute.
    node->content = bytes;
    node->sizeOverride.reset();
    node->attributes = attr::kArchive;
    return true;
}

class FakeFileSystem::Writer : public AtomicWriter {
public:
    Writer(FakeFileSystem& fs, std::string target, std::string temp)
        : fs_(fs), target_(std::move(target)), temp_(std::move(temp)) {}
    ~Writer() override { discard(); }

    bool write(std::string_view bytes) override {
        Node* node = temp_.empty() ? nullptr : fs_.impl_->lookup(fs_.impl_->parse(temp_));
        if (!node || node->dir) {
            discard();
            return false;
        }
        if (fs_.impl_->diskFull && !bytes.empty()) {
            discard();
            return fs_.impl_->fail(kDiskFull);
        }
        node->content.append(bytes);
        return true;
    }

    bool commit() override {
        const std::optional<std::string> bytes = temp_.empty() ? std::nullopt : fs_.content(temp_);
        if (!bytes) {
            discard();
            return false;
        }
        const bool renamed = fs_.writeFileAtomic(target_, *bytes);
        discard();
        return renamed;
    }

private:
    // Removes the file beside without touching the error code of a failure before it.
    void discard() {
        if (temp_.empty()) return;
        if (Node* node = fs_.impl_->lookup(fs_.impl_->parse(temp_)); node && node->parent && !node->dir)
            node->parent->detach(node);
        temp_.clear();
    }

    FakeFileSystem& fs_;
    std::string target_;
    std::string temp_;  // empty once renamed or dropped
};

std::unique_ptr<AtomicWriter> FakeFileSystem::beginAtomicWrite(const std::string& path) {
    ParsedPath p = impl_->parse(path);
    Node* parent = impl_->resolveParent(p);
    if (!parent) return nullptr;
    if (!parent->writable) return impl_->fail(kAccessDenied), nullptr;
    const Node* existing = parent->child(text::lower(p.parts.back()));
    if (existing && (existing->dir || existing->readOnly())) return impl_->fail(kAccessDenied), nullptr;
    std::string name;
    do {
        name = p.parts.back() + "." + std::to_string(impl_->nextTemp++) + ".tmp";
    } while (parent->child(text::lower(name)));
    auto node = impl_->fresh();
    node->name = name;
    node->attributes = attr::kArchive;
    parent->attach(std::move(node));
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return std::make_unique<Writer>(*this, path, folder + name);
}

std::string FakeFileSystem::currentDirectory() { return impl_->currentDir; }

bool FakeFileSystem::setCurrentDirectory(const std::string& path) {
    ParsedPath p = impl_->parse(path);
    Node* node = impl_->resolve(p);
    if (!node) return false;
    if (!node->dir) return impl_->fail(kDirectoryInvalid);
    // The fake keeps its current folder on a drive.
    if (!p.share.empty()) return impl_->fail(kInvalidName);
    // The drive letter stays as the caller wrote it, like the rest of the path.
    std::string dir(1, path.size() >= 2 && path[1] == ':' ? path[0] : p.drive);
    dir += ":";
    if (p.parts.empty()) dir += '\\';
    for (const auto& part : p.parts) dir += "\\" + part;
    impl_->currentDir = dir;
    return true;
}

uint32_t FakeFileSystem::logicalDrives() {
    uint32_t mask = 0;
    for (const auto& [letter, drive] : impl_->drives) {
        if (letter >= 'A' && letter <= 'Z') mask |= 1u << (letter - 'A');
    }
    return mask;
}

namespace {
char driveLetterOf(const std::string& root) {
    return root.empty() ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
}
}  // namespace

DriveType FakeFileSystem::driveType(const std::string& root) {
    const ParsedPath p = impl_->parse(root);
    if (!p.share.empty()) return impl_->driveOf(p) ? DriveType::Remote : DriveType::NoRootDir;
    auto it = impl_->drives.find(driveLetterOf(root));
    return it == impl_->drives.end() ? DriveType::NoRootDir : it->second.type;
}

std::optional<DiskSpace> FakeFileSystem::diskSpace(const std::string& root) {
    Node* node = impl_->resolve(root);
    if (!node) return std::nullopt;
    if (!node->dir) return impl_->fail(kInvalidName), std::nullopt;
    return impl_->driveOf(impl_->parse(root))->space;
}

std::optional<std::string> FakeFileSystem::volumeLabel(const std::string& root) {
    auto it = impl_->drives.find(driveLetterOf(root));
    if (it == impl_->drives.end()) return impl_->fail(kPathNotFound), std::nullopt;
    return it->second.label;
}

uint32_t FakeFileSystem::lastError() { return impl_->lastError; }

}  // namespace kefelo::platform::fake
