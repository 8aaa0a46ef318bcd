#include "storage/data_file.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "storage/data_file_layout.h"
#include "data/durable_files.h"
#include "data/file_io.h"
#include "data/native_files.h"
#include "data/pair_lock.h"
#include "storage/file_messages.h"
#include "data/numeric.h"
#include "document/workspace.h"
#include "lang/messages.h"
#include "version/version_table.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

bool countsInRange(const DocumentHeader& h) {
    return std::all_of(h.channelCount.values.begin(), h.channelCount.values.end(),
                       [](std::int16_t c) { return c >= 0 && c <= kSlotsPerGroup; });
}

int usedSlots(const Document& doc, int m, int g) { return std::clamp<int>(doc.count(m, g), 0, kSlotsPerGroup); }

// The header of a data file of at least 1,694 bytes; nullopt when it is shorter or its count
// table lies outside 0 to 99.
std::optional<DocumentHeader> parseHeader(std::span<const std::uint8_t> dataFile) {
    if (dataFile.size() < kDataFileSize) return std::nullopt;
    DocumentHeader header;
    readHeaderBytes(dataFile.first<kDataFileSize>(), header);
    if (!countsInRange(header)) return std::nullopt;
    return header;
}

void copyUsedSlots(const Document& from, Document& to) {
    for (int m = 0; m < kWorkModeCount; ++m)
        for (int g = 1; g <= kMaxGroups; ++g)
            for (int p = 1; p <= usedSlots(from, m, g); ++p) to.channels.slot(m, g, p) = from.channels.slot(m, g, p);
}

// Step shared by loading a data file and an initial data file: the parsed pair becomes the
// saved copy and then the current document. Nothing can fail once the header is parsed, so
// the channel records are read straight into the saved copy. A missing or short channel file
// leaves empty records.
void adoptParsed(Workspace& ws, const DocumentHeader& header, std::span<const std::uint8_t> channelBytes) {
    ws.saved.header = header;
    ws.saved.header.version.set(kDocumentVersion);
    std::size_t offset = 0;
    forEachGroup([&](int m, int g) {
        for (int p = 1; p <= ws.saved.count(m, g); ++p, offset += kChannelRecordSize) {
            ChannelRecord& r = ws.saved.channels.slot(m, g, p);
            if (offset + kChannelRecordSize <= channelBytes.size())
                readChannelBytes(channelBytes.subspan(offset).first<kChannelRecordSize>(), r);
            else
                r = ChannelRecord{};
        }
    });
    ws.current.header = ws.saved.header;
    ws.modelType = kModelType;
    ws.setBandFromWorkMode();
    copyUsedSlots(ws.saved, ws.current);
}

std::vector<std::uint8_t> readChannelFile(const std::string& path) {
    // A missing channel file gives empty records; the loader says how many.
    return readFilePrefix(path, channelFileReadLimit()).value_or(std::vector<std::uint8_t>{});
}

int neededRecords(const DocumentHeader& header) {
    int needed = 0;
    forEachGroup([&](int m, int g) { needed += header.channelCount.at(m, g); });
    return needed;
}

bool sameRecord(const ChannelRecord& a, const ChannelRecord& b) {
    return a.ChannelNumber == b.ChannelNumber && a.Present == b.Present && a.ScanAdd == b.ScanAdd &&
           a.RxFrequency == b.RxFrequency && a.TxCtcssIndex == b.TxCtcssIndex &&
           a.Reserved24 == b.Reserved24 && a.Mode == b.Mode && a.HiCut == b.HiCut && a.NbAnl == b.NbAnl &&
           a.Echo == b.Echo && a.Add10K == b.Add10K && a.Busy == b.Busy && a.Rep == b.Rep &&
           a.Public == b.Public && a.Bot == b.Bot && a.Eot == b.Eot && a.Call == b.Call;
}

bool sameGroupNames(const PerGroup<GroupName>& a, const PerGroup<GroupName>& b) {
    for (std::size_t i = 0; i < a.values.size(); ++i)
        if (a.values[i].upToNul() != b.values[i].upToNul()) return false;
    return true;
}

bool sameOptions(const OptionRecord& a, const OptionRecord& b) {
    if (a.groupEnabled != b.groupEnabled || !sameGroupNames(a.groupName, b.groupName) ||
        a.emgChannel1 != b.emgChannel1 || a.emgChannel2 != b.emgChannel2 || a.memChannel != b.memChannel ||
        a.emgMode1 != b.emgMode1 || a.emgMode2 != b.emgMode2 || a.groupSpare != b.groupSpare)
        return false;
    auto fields = [](const OptionRecord& o) {
        return std::array{o.bandNibble,   o.workMode,    o.currentCbGroup, o.currentHamGroup,
                          o.voxFunction,  o.channelMode, o.memMenu,        o.publicBot,
                          o.publicEot,    o.publicCall,  o.publicHiCut,    o.publicNbAnl,
                          o.publicEcho,   o.publicAdd10k, o.publicBusy,    o.beep,
                          o.indic,        o.micGain,     o.nog,            o.tot,
                          o.swrProtect,   o.batteryProtect, o.scanMode,    o.fin,
                          o.backlightColor, o.menuPage,  o.batteryMin,     o.batteryMax,
                          o.swrMax,       o.publicMode,  o.fmEnable,       o.amEnable,
                          o.usbEnable,    o.lsbEnable,   o.paEnable};
    };
    if (fields(a) != fields(b) || a.dtmf != b.dtmf) return false;
    for (std::size_t i = 0; i < a.dtmfMemory.size(); ++i)
        if (a.dtmfMemory[i].upToNul() != b.dtmfMemory[i].upToNul()) return false;
    return true;
}

// Writes the saved copy as the pair. The channel file is renamed into place first: that
// rename commits the save, and the loader finishes or discards a save cut short.
bool writeSavedPair(const Document& s, const std::string& path, const SaveProbe& probe, FileFailure* failure) {
    const HeaderBytes header = writeHeaderBytes(s.header);
    std::vector<std::uint8_t> channels;
    forEachGroup([&](int m, int g) {
        for (int p = 1; p <= usedSlots(s, m, g); ++p) {
            const ChannelBytes record = writeChannelBytes(s.channels.slot(m, g, p));
            channels.insert(channels.end(), record.begin(), record.end());
        }
    });
    const std::string channelPath = channelFilePath(path);
    // "x.fre" would be its own channel file.
    if (native::toPath(channelPath) == native::toPath(path)) {
        if (failure != nullptr) *failure = {path, kFailOwnChannelFile};
        return false;
    }
    const PairLock lock(path);
    if (lock.busy()) {
        if (failure != nullptr) *failure = {path, kFailBusy};
        return false;
    }
    return replaceFilePair({channelPath, channels}, {path, header}, probe, failure);
}

// Whether a leftover of an interrupted save is a data file this program loads.
bool loadableDataFile(const std::string& path, const VersionTable& versions) {
    const auto bytes = readFilePrefix(path, dataFileReadLimit());
    if (!bytes || bytes->size() != kDataFileSize) return false;
    const std::string version(bytes->begin(), bytes->begin() + 4);
    return isDataFileVersion(version) && isCompatible(versions, kProgramVersion, version) &&
           parseHeader(*bytes).has_value();
}

}  // namespace

bool isDataFileVersion(std::string_view text) {
    const std::string clean = cleanText(text);
    return clean.size() == 4 && clean[0] == 'V' && isNumeric(clean.substr(1));
}

std::string loadResultMessage(const LoadResult& result, LanguageIndex language) {
    switch (result.status) {
        case LoadStatus::Ok: return {};
        case LoadStatus::UnknownVersion: return messageText(MessageKey::MsgUnknownDataFileVersion, language);
        case LoadStatus::IncompatibleVersion:
            return composeVersionQuestion(kProgramVersion, result.fileVersion, VersionKind::DataFile, language);
        case LoadStatus::WrongLength: return messageText(MessageKey::MsgVersionNotExist, language);
        case LoadStatus::FileError: return messageText(MessageKey::MsgFileError, language);
        case LoadStatus::Busy: return fileFailureText(result.failure, language);
    }
    return {};
}

std::string loadResultDetail(const LoadResult& result, LanguageIndex language) {
    if (result.status != LoadStatus::FileError || result.failure.path.empty()) return {};
    return fileFailureText(result.failure, language);
}

std::string loadWarnings(const LoadResult& result, LanguageIndex language) {
    std::string text;
    for (const std::string& aside : result.setAside) text += setAsideText(aside, language) + "\n";
    if (result.missingChannels > 0) text += missingChannelsText(result.channelPath, result.missingChannels, language) + "\n";
    if (!text.empty()) text.pop_back();
    return text;
}

std::string channelFilePath(std::string_view dataFilePath) {
    const std::size_t keep = dataFilePath.size() < 3 ? 0 : dataFilePath.size() - 3;
    return std::string(dataFilePath.substr(0, keep)) + "fre";
}

std::size_t dataFileReadLimit() { return kDataFileSize + 1; }

std::size_t channelFileReadLimit() {
    return static_cast<std::size_t>(kWorkModeCount * kMaxGroups * kSlotsPerGroup) * kChannelRecordSize;
}

LoadResult loadDataFileBytes(Workspace& ws, std::span<const std::uint8_t> dataFile,
                             std::span<const std::uint8_t> channelFile, const VersionTable& versions) {
    const std::string version(dataFile.begin(), dataFile.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(4, dataFile.size())));
    if (!isDataFileVersion(version)) return LoadResult(LoadStatus::UnknownVersion, version);
    if (!isCompatible(versions, kProgramVersion, version)) return LoadResult(LoadStatus::IncompatibleVersion, version);
    if (dataFile.size() != kDataFileSize) return LoadResult(LoadStatus::WrongLength, version);

    const auto header = parseHeader(dataFile);
    if (!header) return LoadResult(LoadStatus::FileError, version);
    adoptParsed(ws, *header, channelFile);
    LoadResult result = LoadResult(LoadStatus::Ok, version);
    result.missingChannels =
        std::max(0, neededRecords(*header) - static_cast<int>(channelFile.size() / kChannelRecordSize));
    return result;
}

LoadResult loadDataFile(Workspace& ws, const std::string& path, const VersionTable& versions) {
    const std::string channelPath = channelFilePath(path);
    // Held for the settling and both reads: no save of this pair runs meanwhile, so every
    // leftover found is one of a save that was cut short, and the pair read is a whole one.
    const PairLock lock(path);
    if (lock.busy()) {
        LoadResult busy = LoadResult(LoadStatus::Busy, {});
        busy.failure = {path, kFailBusy};
        return busy;
    }
    std::string dataPath = path;
    std::vector<std::string> setAside;
    if (channelPath != path) {
        const std::string target = saveTarget(path);
        const std::string channelTarget = saveTarget(channelPath);
        if (!target.empty() && !channelTarget.empty()) {
            SettleResult settled = settleFilePair(
                channelTarget, target, [&](const std::string& leftover) { return loadableDataFile(leftover, versions); });
            if (settled.readPath != target) dataPath = settled.readPath;
            setAside = std::move(settled.setAside);
        }
    }
    LoadResult result;
    const auto bytes = readFilePrefix(dataPath, dataFileReadLimit(), &result.failure);
    if (!bytes) {
        result.status = LoadStatus::FileError;
        return result;
    }
    result = loadDataFileBytes(ws, *bytes, readChannelFile(channelPath), versions);
    result.channelPath = channelPath;
    result.setAside = std::move(setAside);
    if (result.ok()) {
        ws.untitled = false;
        ws.fileName = path;
    }
    return result;
}

PairStamp pairStamp(const std::string& dataPath) {
    std::string text;
    for (const std::string& p : {dataPath, channelFilePath(dataPath)}) {
        const std::string stamp = native::fileStamp(p);
        text += (stamp.empty() ? "-" : stamp) + ";";
    }
    return {text};
}

bool saveDataFile(Workspace& ws, const std::string& path, const SaveProbe& probe, FileFailure* failure) {
    const auto previousSaved = std::make_unique<Document>(ws.saved);
    takeSavedCopy(ws);
    if (!writeSavedPair(ws.saved, path, probe, failure)) {
        ws.saved = *previousSaved;  // the document still counts as unsaved
        return false;
    }
    ws.untitled = false;
    ws.fileName = path;
    return true;
}

bool saveDataFileCopy(const Workspace& ws, const std::string& path, FileFailure* failure) {
    const auto copy = std::make_unique<Workspace>(ws);
    takeSavedCopy(*copy);
    return writeSavedPair(copy->saved, path, {}, failure);
}

std::string initialDataFilePath(const std::string& programFolder, std::string_view bandText,
                                InitialKind kind) {
    return programFolder + "/Init/" + std::to_string(bandCode(bandText)) + "_" +
           (kind == InitialKind::New ? "LB2424_New.dat" : "LB2424.dat");
}

bool loadInitialDataFile(Workspace& ws, const std::string& programFolder, InitialKind kind) {
    const std::string path = initialDataFilePath(programFolder, ws.bandText, kind);
    const auto bytes = readFilePrefix(path, kDataFileSize);
    return loadInitialDataFileBytes(ws, bytes.value_or(std::vector<std::uint8_t>{}),
                                    bytes ? readChannelFile(channelFilePath(path)) : std::vector<std::uint8_t>{});
}

bool loadInitialDataFileBytes(Workspace& ws, std::span<const std::uint8_t> dataFile,
                              std::span<const std::uint8_t> channelFile) {
    const auto header = parseHeader(dataFile);
    if (!header) {
        takeSavedCopy(ws);
        return false;
    }
    adoptParsed(ws, *header, channelFile);
    return true;
}

void takeSavedCopy(Workspace& ws) {
    DocumentHeader& h = ws.current.header;
    h.radioInfo.modelType.set(ws.modelType);
    h.radioInfo.radioTypeCode = kRadioTypeCode;
    h.radioInfo.bandCode = static_cast<std::int16_t>(bandCode(ws.bandText));
    h.radioInfo.shortModelType.set(ws.modelType.substr(0, 6));
    h.version.set(kDocumentVersion);
    forEachGroup([&](int m, int g) {
        std::int16_t& count = ws.current.count(m, g);
        if (count > (isMemGroup(m, g) ? 99 : 46)) count = 1;
    });
    ws.saved.header = h;
    copyUsedSlots(ws.current, ws.saved);
}

bool documentChanged(const Workspace& ws) {
    const Document& cur = ws.current;
    const Document& sav = ws.saved;
    bool changed = false;
    forEachGroup([&](int m, int g) {
        if (changed) return;
        if (cur.count(m, g) != sav.count(m, g)) {
            changed = true;
            return;
        }
        for (int s = 1; s <= usedSlots(sav, m, g) && !changed; ++s) {
            const ChannelRecord& saved = sav.channels.slot(m, g, s);
            const ChannelRecord* current = &cur.channels.slot(m, g, s);
            if (current->ChannelNumber != saved.ChannelNumber) {
                const int p = cur.findChannel(m, g, saved.ChannelNumber);
                current = p == 0 ? nullptr : &cur.channels.slot(m, g, p);
            }
            changed = current == nullptr || !sameRecord(*current, saved);
        }
    });
    if (changed) return true;
    if (cur.header.radioInfo != sav.header.radioInfo) return true;
    if (!sameOptions(cur.options(), sav.options())) return true;
    const FurtherOptions& a = cur.further();
    const FurtherOptions& b = sav.further();
    if (a.txOffset != b.txOffset || a.freqCh != b.freqCh || a.asqLevel != b.asqLevel || a.rssiTable != b.rssiTable)
        return true;
    return cur.header.rogerBeep != sav.header.rogerBeep;
}

}  // namespace mv52
