#include "ui/channel_clipboard_mime.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace mv52 {
namespace {

// The program's own form of copied channels.
constexpr const char* kChannelClipFormat = "application/x-mv52-channels";

}  // namespace

void putChannelsOnClipboard(const ChannelClip& clip, const std::string& csv) {
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kChannelClipFormat), QByteArray::fromStdString(clipToText(clip)));
    mime->setText(QString::fromStdString(csv));
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::optional<ChannelClip> channelsOnClipboard() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QString format = QString::fromLatin1(kChannelClipFormat);
    if (mime == nullptr || !mime->hasFormat(format)) return std::nullopt;
    return clipFromText(mime->data(format).toStdString());
}

std::string clipboardText() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime != nullptr && mime->hasText() ? mime->text().toStdString() : std::string();
}

}  // namespace mv52
