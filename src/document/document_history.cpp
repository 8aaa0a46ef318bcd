#include "document/document_history.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "document/document.h"

namespace mv52 {
namespace {

static_assert(std::is_trivially_copyable_v<Document>, "steps copy the document's bytes");

// Differences closer than this join one run: a run costs more than a few equal bytes.
constexpr std::size_t kJoinGap = 16;
constexpr std::size_t kChunk = 64;

const std::uint8_t* bytesOf(const Document& doc) { return reinterpret_cast<const std::uint8_t*>(&doc); }
std::uint8_t* bytesOf(Document& doc) { return reinterpret_cast<std::uint8_t*>(&doc); }

std::size_t channelsOffset() {
    static const std::size_t offset = [] {
        const auto doc = std::make_unique<Document>();
        return static_cast<std::size_t>(reinterpret_cast<const std::uint8_t*>(&doc->channels.slot(0, 1, 1)) -
                                        bytesOf(*doc));
    }();
    return offset;
}

// The view: the group the channel window shows for each work mode and each group's row.
struct View {
    std::array<std::int16_t, kWorkModeCount> group;
    PerGroupI16 row;
};
View viewOf(const Document& doc) { return {doc.header.currentGroup, doc.header.currentRow}; }
void setView(Document& doc, const View& view) {
    doc.header.currentGroup = view.group;
    doc.header.currentRow = view.row;
}

// The first channel slot that `runs` touch, its number taken where the slot is in use.
StepPlace placeOf(const std::vector<std::uint32_t>& offsets, const Document& from, const Document& to) {
    const std::size_t first = channelsOffset();
    for (const std::uint32_t offset : offsets) {
        if (offset < first) continue;
        const std::size_t slot = (offset - first) / sizeof(ChannelRecord);
        const int m = static_cast<int>(slot / (kMaxGroups * kSlotsPerGroup));
        const int g = static_cast<int>(slot / kSlotsPerGroup % kMaxGroups) + 1;
        const int p = static_cast<int>(slot % kSlotsPerGroup) + 1;
        if (m >= kWorkModeCount) break;
        const Document& in = p <= from.count(m, g) ? from : to;
        return {true, m, g, in.channels.slot(m, g, p).ChannelNumber};
    }
    return {};
}

// Field by field: bytes may differ in the padding between fields of equal documents.
bool sameDocument(const Document& a, const Document& b) {
    if (!(a.header == b.header)) return false;
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kMaxGroups; ++g)
            for (int p = 1; p <= kSlotsPerGroup; ++p)
                if (!(a.channels.slot(m, g, p) == b.channels.slot(m, g, p))) return false;
    return true;
}

}  // namespace

std::size_t DocumentHistory::Step::bytes() const {
    return sizeof(Step) + mergeKey.capacity() + runs.capacity() * sizeof(Run) + before.capacity() +
           after.capacity();
}

DocumentHistory::DocumentHistory() : baseline_(std::make_unique<Document>()) {}
DocumentHistory::~DocumentHistory() = default;

void DocumentHistory::reset(const Document& doc) {
    std::memcpy(static_cast<void*>(baseline_.get()), &doc, sizeof(Document));
    undo_.clear();
    redo_.clear();
    memory_ = 0;
}

DocumentHistory::Step DocumentHistory::difference(const Document& from, const Document& to) const {
    Step step;
    const std::uint8_t* a = bytesOf(from);
    const std::uint8_t* b = bytesOf(to);
    const std::size_t size = sizeof(Document);
    std::vector<std::uint32_t> starts;
    std::size_t i = 0;
    while (i < size) {
        const std::size_t chunk = std::min(kChunk, size - i);
        if (std::memcmp(a + i, b + i, chunk) == 0) {
            i += chunk;
            continue;
        }
        for (const std::size_t end = i + chunk; i < end; ++i) {
            if (a[i] == b[i]) continue;
            if (!step.runs.empty()) {
                Run& last = step.runs.back();
                if (i - (last.offset + last.length) <= kJoinGap) {
                    last.length = static_cast<std::uint32_t>(i + 1 - last.offset);
                    continue;
                }
            }
            step.runs.push_back({static_cast<std::uint32_t>(i), 1});
            starts.push_back(static_cast<std::uint32_t>(i));
        }
    }
    std::size_t total = 0;
    for (const Run& r : step.runs) total += r.length;
    step.before.reserve(total);
    step.after.reserve(total);
    for (const Run& r : step.runs) {
        step.before.insert(step.before.end(), a + r.offset, a + r.offset + r.length);
        step.after.insert(step.after.end(), b + r.offset, b + r.offset + r.length);
    }
    step.runs.shrink_to_fit();
    step.place = placeOf(starts, from, to);
    return step;
}

bool DocumentHistory::record(const Document& doc, StepName name, std::string_view mergeKey) {
    // Moving about the channel window is not an edit.
    setView(*baseline_, viewOf(doc));
    Step step = difference(*baseline_, doc);
    if (step.runs.empty()) return false;
    if (sameDocument(*baseline_, doc)) {
        std::memcpy(static_cast<void*>(baseline_.get()), &doc, sizeof(Document));
        return false;
    }
    if (!mergeKey.empty() && redo_.empty() && !undo_.empty() && undo_.back().mergeKey == mergeKey) {
        // The joined step reaches from before the last step to now.
        apply(*baseline_, undo_.back(), false);
        memory_ -= undo_.back().bytes();
        undo_.pop_back();
        setView(*baseline_, viewOf(doc));
        step = difference(*baseline_, doc);
        if (step.runs.empty()) {
            std::memcpy(static_cast<void*>(baseline_.get()), &doc, sizeof(Document));
            return true;
        }
    }
    step.name = std::move(name);
    step.mergeKey = mergeKey;
    for (const Step& s : redo_) memory_ -= s.bytes();
    redo_.clear();
    push(std::move(step));
    std::memcpy(static_cast<void*>(baseline_.get()), &doc, sizeof(Document));
    return true;
}

void DocumentHistory::push(Step step) {
    memory_ += step.bytes();
    undo_.push_back(std::move(step));
    while (memory_ > kMemoryLimit && undo_.size() > 1) dropOldest();
}

void DocumentHistory::dropOldest() {
    memory_ -= undo_.front().bytes();
    undo_.pop_front();
}

StepPlace DocumentHistory::apply(Document& doc, const Step& step, bool forward) {
    const std::vector<std::uint8_t>& bytes = forward ? step.after : step.before;
    std::uint8_t* target = bytesOf(doc);
    std::size_t at = 0;
    for (const Run& r : step.runs) {
        std::memcpy(target + r.offset, bytes.data() + at, r.length);
        at += r.length;
    }
    return step.place;
}

std::string DocumentHistory::undoName(LanguageIndex language) const {
    return undo_.empty() || !undo_.back().name ? std::string() : undo_.back().name(language);
}

std::string DocumentHistory::redoName(LanguageIndex language) const {
    return redo_.empty() || !redo_.back().name ? std::string() : redo_.back().name(language);
}

StepPlace DocumentHistory::undo(Document& doc) {
    record(doc, {});
    return undo_.empty() ? StepPlace{} : take(doc, undo_, redo_, false);
}

StepPlace DocumentHistory::redo(Document& doc) {
    if (redo_.empty()) return {};
    // Changes made since the undo would be overwritten: they are a step of their own, and
    // that ends the redo.
    if (record(doc, {})) return {};
    return take(doc, redo_, undo_, true);
}

StepPlace DocumentHistory::take(Document& doc, std::deque<Step>& from, std::deque<Step>& to, bool forward) {
    const View view = viewOf(doc);
    const StepPlace place = apply(doc, from.back(), forward);
    setView(doc, view);
    std::memcpy(static_cast<void*>(baseline_.get()), &doc, sizeof(Document));
    to.push_back(std::move(from.back()));
    from.pop_back();
    return place;
}

}  // namespace mv52
