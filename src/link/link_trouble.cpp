#include "link/link_trouble.h"

#include "lang/bilingual.h"
#include "lang/link_texts.h"

namespace mv52 {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string stopCommand(std::string_view program) {
    return "sudo systemctl stop " + std::string(program == "brltty" ? "brltty brltty-udev" : program);
}

void addPermissionHints(const Trouble& t, LanguageIndex language, std::vector<std::string>& hints) {
    const PortCircumstances& c = t.circumstances;
    if (c.unixLike && !c.deviceGroup.empty() && c.deviceGroup != "root") {
        if (!c.userInGroup)
            hints.push_back(substitute(text(LinkText::HintNotInGroup, language),
                                       {c.deviceGroup, t.device, "sudo usermod -aG " + c.deviceGroup + " $USER"}));
        else if (!c.groupInEffect)
            hints.push_back(substitute(text(LinkText::HintGroupNotActive, language), {c.deviceGroup}));
        else
            hints.push_back(substitute(text(LinkText::HintAskForAccess, language), {t.device}));
    } else {
        hints.push_back(substitute(text(LinkText::HintAskForAccess, language), {t.device.empty() ? t.portName : t.device}));
    }
}

void addGrabberHints(const Trouble& t, LanguageIndex language, std::vector<std::string>& hints) {
    for (const std::string& program : t.circumstances.grabbers)
        hints.push_back(substitute(text(LinkText::HintGrabber, language), {program, stopCommand(program)}));
}

std::vector<std::string> hintsFor(const Trouble& t, LanguageIndex language) {
    std::vector<std::string> hints;
    const auto add = [&](LinkText key) { hints.push_back(text(key, language)); };
    switch (t.code) {
        case TroubleCode::PortNone:
            add(LinkText::HintChoosePort);
            add(LinkText::HintPlugIn);
            break;
        case TroubleCode::PortMissing:
            add(LinkText::HintPlugIn);
            add(LinkText::HintChoosePort);
            break;
        case TroubleCode::PortPermission:
            addPermissionHints(t, language, hints);
            addGrabberHints(t, language, hints);
            break;
        case TroubleCode::PortBusy:
            add(LinkText::HintCloseOthers);
            addGrabberHints(t, language, hints);
            break;
        case TroubleCode::PortOpen:
        case TroubleCode::PortLost:
            add(LinkText::HintReplugAdapter);
            addGrabberHints(t, language, hints);
            break;
        case TroubleCode::RadioSilent:
        case TroubleCode::RadioStopped:
            add(LinkText::HintRadioOn);
            add(LinkText::HintRightPort);
            addGrabberHints(t, language, hints);
            break;
        case TroubleCode::RadioChecksum: add(LinkText::HintDamagedReplies); break;
        case TroubleCode::RadioGarbage:
            add(LinkText::HintNotTheRadio);
            addGrabberHints(t, language, hints);
            break;
    }
    return hints;
}

std::string causeText(const Trouble& t, LanguageIndex language) {
    switch (t.code) {
        case TroubleCode::PortNone: return text(LinkText::CausePortNone, language);
        case TroubleCode::PortMissing: return text(LinkText::CausePortMissing, language);
        case TroubleCode::PortPermission: return text(LinkText::CausePortPermission, language);
        case TroubleCode::PortBusy: return text(LinkText::CausePortBusy, language);
        case TroubleCode::PortOpen: return text(LinkText::CausePortOpen, language);
        case TroubleCode::PortLost: return text(LinkText::CausePortLost, language);
        case TroubleCode::RadioSilent: return text(LinkText::CauseRadioSilent, language);
        case TroubleCode::RadioStopped:
            return substitute(text(LinkText::CauseRadioStopped, language), {std::to_string(t.address)});
        case TroubleCode::RadioChecksum: return text(LinkText::CauseRadioChecksum, language);
        case TroubleCode::RadioGarbage: return text(LinkText::CauseRadioGarbage, language);
    }
    return {};
}

}  // namespace

std::string_view troubleCodeName(TroubleCode code) {
    switch (code) {
        case TroubleCode::PortNone: return "E-PORT-NONE";
        case TroubleCode::PortMissing: return "E-PORT-MISSING";
        case TroubleCode::PortPermission: return "E-PORT-PERM";
        case TroubleCode::PortBusy: return "E-PORT-BUSY";
        case TroubleCode::PortOpen: return "E-PORT-OPEN";
        case TroubleCode::PortLost: return "E-PORT-LOST";
        case TroubleCode::RadioSilent: return "E-RADIO-SILENT";
        case TroubleCode::RadioStopped: return "E-RADIO-STOPPED";
        case TroubleCode::RadioChecksum: return "E-RADIO-CHECKSUM";
        case TroubleCode::RadioGarbage: return "E-RADIO-GARBAGE";
    }
    return "E-PORT-OPEN";
}

TroubleCode troubleForOpenFailure(PortFailure failure) {
    switch (failure) {
        case PortFailure::NoDevice: return TroubleCode::PortNone;
        case PortFailure::NotFound: return TroubleCode::PortMissing;
        case PortFailure::Permission: return TroubleCode::PortPermission;
        case PortFailure::Busy: return TroubleCode::PortBusy;
        case PortFailure::None:
        case PortFailure::Other: break;
    }
    return TroubleCode::PortOpen;
}

TroubleCode troubleForReply(const std::optional<LinkBytes>& rejected, bool awaitingBlock) {
    if (!rejected || rejected->empty()) return awaitingBlock ? TroubleCode::RadioStopped : TroubleCode::RadioSilent;
    const LinkBytes& r = *rejected;
    // A data reply of the right shape whose checksum does not add up was damaged on the way.
    const bool blockShaped = r.size() >= kBlockOverhead && r[0] == kBlockCommand &&
                             r.size() == blockFrameLength(r[kBlockLengthAt]) && r.back() == kAck;
    if (blockShaped && r[r.size() - 2] != blockChecksum(r)) return TroubleCode::RadioChecksum;
    return TroubleCode::RadioGarbage;
}

std::string portWithDevice(std::string_view portName, std::string_view device) {
    if (portName.empty()) return std::string(device);
    std::string s(portName);
    if (!device.empty() && device != portName) s += " (" + std::string(device) + ")";
    return s;
}

std::string troubleExplanation(const Trouble& t, LanguageIndex language) {
    std::string s = portWithDevice(t.portName, t.device) + ": " + causeText(t, language) + " [" +
                    std::string(troubleCodeName(t.code)) + "]";
    if (!t.systemReason.empty())
        s += std::string(kLineBreak) + substitute(text(LinkText::SystemSays, language), {t.systemReason});
    const std::vector<std::string> hints = hintsFor(t, language);
    if (!hints.empty()) {
        s += std::string(kLineBreak) + text(LinkText::WhatToTry, language);
        for (const std::string& h : hints) s += std::string(kLineBreak) + "- " + h;
    }
    return s;
}

}  // namespace mv52
