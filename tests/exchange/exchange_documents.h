#pragma once
// Documents for the exchange tests: the start-up document, and one with channels in every
// group, every option changed and all eight roger-beep entries changed, made through the
// windows' controls.

#include <memory>
#include <string>

#include "channels/channel_controls.h"
#include "channels/channel_editing.h"
#include "data/groups.h"
#include "document/control_row.h"
#include "document/workspace.h"
#include "options/option_controls.h"
#include "storage/default_document.h"
#include "tones/dtmf_controls.h"
#include "tones/roger_controls.h"

namespace mv52::test {

inline std::unique_ptr<Workspace> startupDocument() {
    auto ws = Workspace::create();
    applyDefaultDocument(*ws, "20261210");
    ws->setBandFromWorkMode();
    return ws;
}

// Another item than the one shown: the next in the list, the other check state, a number.
inline void chooseAnother(const ControlRow& row, Document& doc) {
    constexpr auto en = LanguageIndex::English;
    switch (row.kind) {
        case ControlKind::Check: applyItem(row, doc, shownItem(row, doc, en) == "on" ? "off" : "on", en); return;
        case ControlKind::Text: applyItem(row, doc, row.objectName == "Text4_12" ? "0.5" : "3", en); return;
        case ControlKind::List: {
            const auto items = row.items(doc, en);
            if (items.size() < 2) return;
            const int p = row.shown(doc, items);
            applyItem(row, doc, items[static_cast<std::size_t>((p + 1) % static_cast<int>(items.size()))], en);
            return;
        }
    }
}

inline void showGroup(Workspace& ws, int m, int g) {
    ws.current.header.currentWorkMode = static_cast<std::int16_t>(m);
    ws.current.header.currentGroup.at(static_cast<std::size_t>(m)) = static_cast<std::int16_t>(g);
    ws.setBandFromWorkMode();
}

inline std::unique_ptr<Workspace> fullDocument() {
    auto ws = startupDocument();
    Document& doc = ws->current;
    constexpr auto en = LanguageIndex::English;
    for (const ControlRow& row : optionControls())
        if (row.label(en) != "FM Enable" && row.label(en) != "AM Enable") chooseAnother(row, doc);
    for (const ControlRow& row : dtmfEncodeControls()) chooseAnother(row, doc);
    for (int n = 1; n <= 16; ++n) applyItem(dtmfMemoryControl(n), doc, std::to_string(n) + "A*#", en);
    int entry = 1;
    const auto roger = rogerBeepControls([&] { return entry; });
    for (entry = 1; entry <= 8; ++entry) {
        applyItem(*findControl(roger, "Combo1_0"), doc, "2", en);
        applyItem(*findControl(roger, "Combo3_0"), doc, std::to_string(1000 + 100 * entry), en);
        applyItem(*findControl(roger, "Combo4_0"), doc, "120", en);
    }
    int row = 0;
    const auto channel = channelControls(row);
    forEachGroup([&](int m, int g) {
        showGroup(*ws, m, g);
        const bool narrow = m == kWorkModeCb && g >= 13 && g <= 15;
        for (row = 1; row <= std::min(3, groupCapacity(m, g)); ++row) {
            updateChannelFrequency(*ws, row, narrow ? "21.1" + std::to_string(row) : "28.3" + std::to_string(row) + "5");
            applyItem(*findControl(channel, "Combo8_6"), doc, "On", en);
            applyItem(*findControl(channel, "Combo8_7"), doc, row == 2 ? "-" : "+", en);
            applyItem(*findControl(channel, "Combo8_17"), doc, "CTCSS", en);
            applyItem(*findControl(channel, "Combo8_0"), doc, "C_008(88.5Hz)", en);
            applyItem(*findControl(channel, "Combo8_18"), doc, "DCS", en);
            applyItem(*findControl(channel, "Combo8_20"), doc, "D_003(026N)", en);
            applyItem(*findControl(channel, "Combo8_12"), doc, "AM", en);
            applyItem(*findControl(channel, "Combo8_11"), doc, "3", en);
            applyItem(*findControl(channel, "Combo8_13"), doc, "2", en);
        }
    });
    showGroup(*ws, kWorkModeCb, 1);
    return ws;
}

}  // namespace mv52::test
