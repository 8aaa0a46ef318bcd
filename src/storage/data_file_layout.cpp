#include "storage/data_file_layout.h"

#include <stdexcept>
#include <type_traits>

#include "document/document.h"

namespace mv52 {
namespace {

// Writes fields one after another into a byte buffer.
class Writer {
public:
    explicit Writer(std::span<std::uint8_t> out) : out_(out) {}
    void i16(std::int16_t v) { put(static_cast<std::uint16_t>(v), 2); }
    void i32(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }
    void u8(std::uint8_t v) { put(v, 1); }
    template <std::size_t N>
    void text(const FixedText<N>& t) {
        for (char c : t.bytes()) out_[pos_++] = static_cast<std::uint8_t>(c);
    }
    void expectOffset(std::size_t offset) const { checkOffset(pos_, offset); }

private:
    void put(std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out_[pos_++] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFFu);
    }
    static void checkOffset(std::size_t pos, std::size_t offset) {
        if (pos != offset) throw std::logic_error("data file layout out of step");
    }
    std::span<std::uint8_t> out_;
    std::size_t pos_ = 0;
};

// Reads the same fields back.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> in) : in_(in) {}
    void i16(std::int16_t& v) { v = static_cast<std::int16_t>(get(2)); }
    void i32(std::int32_t& v) { v = static_cast<std::int32_t>(get(4)); }
    void u8(std::uint8_t& v) { v = static_cast<std::uint8_t>(get(1)); }
    template <std::size_t N>
    void text(FixedText<N>& t) {
        for (char& c : t.bytes()) c = static_cast<char>(in_[pos_++]);
    }
    void expectOffset(std::size_t offset) const {
        if (pos_ != offset) throw std::logic_error("data file layout out of step");
    }

private:
    std::uint32_t get(int bytes) {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(in_[pos_++]) << (8 * i);
        return v;
    }
    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
};

template <typename Io, typename Table>
void perGroup(Io& io, Table& table) {
    for (auto& v : table.values) io.i16(v);
}

// The data file, field by field; both directions read this one description. H is
// DocumentHeader or const DocumentHeader.
template <typename Io, typename H>
void visitHeader(Io& io, H& h) {
    io.text(h.version);
    io.i16(h.currentWorkMode);
    io.i16(h.currentGroup[0]);
    io.i16(h.currentGroup[1]);
    io.expectOffset(10);
    perGroup(io, h.currentRow);
    io.expectOffset(78);
    perGroup(io, h.channelCount);

    io.expectOffset(146);
    auto& ri = h.radioInfo;
    io.text(ri.modelType);
    io.i16(ri.radioTypeCode);
    io.i16(ri.bandCode);
    io.text(ri.dateStamp);
    io.text(ri.versionText);
    io.text(ri.shortModelType);
    io.i16(ri.bandCode2);
    io.i16(ri.finalValue);

    io.expectOffset(180);
    auto& o = h.options;
    perGroup(io, o.groupEnabled);
    io.expectOffset(248);
    for (auto& name : o.groupName.values) io.text(name);
    io.expectOffset(384);
    perGroup(io, o.emgChannel1);
    perGroup(io, o.emgChannel2);
    for (auto* f : {&o.bandNibble, &o.workMode, &o.currentCbGroup, &o.currentHamGroup, &o.voxFunction,
                    &o.channelMode, &o.memMenu})
        io.i16(*f);
    perGroup(io, o.memChannel);
    perGroup(io, o.emgMode1);
    perGroup(io, o.emgMode2);
    perGroup(io, o.groupSpare);
    io.expectOffset(180 + 0x272);
    for (auto* f : {&o.publicBot, &o.publicEot, &o.publicCall, &o.rxClarifier, &o.txClarifier,
                    &o.publicHiCut, &o.publicNbAnl, &o.publicEcho, &o.publicAdd10k, &o.publicBusy,
                    &o.publicRoger, &o.beep, &o.indic, &o.micGain, &o.nog, &o.tot, &o.swrProtect,
                    &o.batteryProtect, &o.scanMode, &o.fin, &o.backlightColor, &o.menuPage,
                    &o.batteryMin, &o.batteryMax, &o.swrMax, &o.publicMode, &o.fmEnable, &o.amEnable,
                    &o.usbEnable, &o.lsbEnable, &o.cwEnable, &o.paEnable})
        io.i16(*f);
    io.expectOffset(180 + 0x2B2);
    auto& d = o.dtmf;
    for (auto* f : {&d.dtmfSendTime, &d.firstDigitTime, &d.firstDigitDelay, &d.starHashTone,
                    &d.dCodeAssignment, &d.dtmfDisplay})
        io.i16(*f);
    io.expectOffset(882);
    for (auto& memory : o.dtmfMemory) io.text(memory);
    io.expectOffset(1138);
    for (auto* f : {&o.fmDeviation, &o.ssbTone, &o.pfKey, &o.longKey}) io.i16(*f);

    io.expectOffset(1146);
    for (auto& entry : h.rogerBeep)
        for (auto& v : entry.values) io.i16(v);

    io.expectOffset(1626);
    auto& f = h.further;
    io.i32(f.txOffset);
    io.i16(f.freqCh);
    io.i16(f.asqLevel);
    for (auto& v : f.rssiTable) io.i16(v);
    io.expectOffset(1658);
    for (auto* b : {&f.micType, &f.voxLevel, &f.voxDelay, &f.rxNr, &f.txNr, &f.keyLock, &f.volPath,
                    &f.echoVol, &f.echoTime, &f.emg, &f.vox, &f.vfoStep, &f.amNpc, &f.vfo, &f.hfDwBand,
                    &f.hfDwChan, &f.hfDwMode, &f.hamDwBand, &f.hamDwChan, &f.hamDwMode, &f.volDisplay,
                    &f.sqlDisplay, &f.powDisplay, &f.rfgDisplay, &f.finRange})
        io.u8(*b);
    io.expectOffset(1683);
    io.i16(f.hfPublic);
    io.i16(f.hamPublic);
    io.expectOffset(1687);
    for (auto* b : {&f.cwFreq, &f.cwBeep, &f.dim, &f.asq, &f.voxSpk, &f.agc, &f.comChanRb}) io.u8(*b);
    io.expectOffset(kDataFileSize);
}

template <typename Io, typename R>
void visitChannel(Io& io, R& r) {
    io.i16(r.ChannelNumber);
    io.i16(r.Present);
    io.i16(r.ScanAdd);
    io.text(r.RxFrequency);
    io.text(r.TxFrequency);
    io.expectOffset(22);
    for (auto member : kChannelWords19To39) io.i16(r.*member);
    io.expectOffset(kChannelRecordSize);
}

}  // namespace

HeaderBytes writeHeaderBytes(const DocumentHeader& header) {
    HeaderBytes bytes{};
    Writer w(bytes);
    visitHeader(w, header);
    return bytes;
}

void readHeaderBytes(std::span<const std::uint8_t, kDataFileSize> bytes, DocumentHeader& header) {
    Reader r(bytes);
    visitHeader(r, header);
}

ChannelBytes writeChannelBytes(const ChannelRecord& record) {
    ChannelBytes bytes{};
    Writer w(bytes);
    visitChannel(w, record);
    return bytes;
}

void readChannelBytes(std::span<const std::uint8_t, kChannelRecordSize> bytes, ChannelRecord& record) {
    Reader r(bytes);
    visitChannel(r, record);
}

}  // namespace mv52
