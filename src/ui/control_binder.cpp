#include "ui/control_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "lang/bilingual.h"
#include "ui/message_box.h"

namespace mv52 {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The keys a number box takes: digits, "." and the editing keys; no cut, copy or paste, and
// no character beyond ASCII.
class NumberKeys final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            // Select the whole text once the click that gave the focus has been handled.
            if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers().testFlag(Qt::ControlModifier) &&
            (key->key() == Qt::Key_X || key->key() == Qt::Key_V || key->key() == Qt::Key_C))
            return true;
        const QString text = key->text();
        if (text.isEmpty()) return false;  // arrows, Home, Delete...
        const char16_t c = text.at(0).unicode();
        if (c > 127) return true;
        if (c < 32 || c == 127) return false;
        return !((c >= u'0' && c <= u'9') || c == u'.');
    }
};

}  // namespace

QFormLayout* labelledRows(int verticalSpacing) {
    auto* f = new QFormLayout;
    f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setHorizontalSpacing(kLabelGapPixels);
    f->setVerticalSpacing(verticalSpacing);
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return f;
}

ControlBinder::ControlBinder(const std::vector<ControlRow>& rows, Document& document,
                             std::function<LanguageIndex()> language, std::string procedure, QWidget* parent)
    : QObject(parent),
      rows_(rows),
      document_(document),
      language_(std::move(language)),
      procedure_(std::move(procedure)) {
    for (const ControlRow& row : rows_) build(row, parent);
}

void ControlBinder::build(const ControlRow& row, QWidget* parent) {
    const QString name = qs(row.objectName);
    QWidget* w = nullptr;
    switch (row.kind) {
        case ControlKind::List: {
            auto* combo = new QComboBox(parent);
            // Only a choice the user makes writes (not one made while showing).
            connect(combo, &QComboBox::activated, this, [this, &row, combo](int p) {
                write(row, {p, combo->itemText(p).toStdString()});
            });
            w = combo;
            break;
        }
        case ControlKind::Check: {
            auto* box = new QCheckBox(parent);
            connect(box, &QCheckBox::clicked, this, [this, &row](bool checked) { write(row, {checked ? 1 : 0, {}}); });
            w = box;
            break;
        }
        case ControlKind::Text: {
            auto* box = new QLineEdit(parent);
            box->installEventFilter(new NumberKeys(box));
            box->setContextMenuPolicy(Qt::NoContextMenu);
            box->setAcceptDrops(false);
            connect(box, &QLineEdit::editingFinished, this, [this, &row, box] { write(row, {0, box->text().toStdString()}); });
            w = box;
            break;
        }
    }
    w->setObjectName(name);
    widgets_[row.objectName] = w;
    if (row.kind != ControlKind::Check && row.label) {
        auto* label = new QLabel(parent);
        label->setObjectName(name + QStringLiteral("_label"));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(w);
        labels_[row.objectName] = label;
    }
}

QWidget* ControlBinder::widget(const std::string& objectName) const {
    const auto it = widgets_.find(objectName);
    return it == widgets_.end() ? nullptr : it->second;
}

QLabel* ControlBinder::label(const std::string& objectName) const {
    const auto it = labels_.find(objectName);
    return it == labels_.end() ? nullptr : it->second;
}

void ControlBinder::setCaptions() {
    const LanguageIndex language = language_();
    for (const ControlRow& row : rows_) {
        if (!row.label) continue;
        const QString caption = qs(row.label(language));
        if (row.kind == ControlKind::Check)
            static_cast<QCheckBox*>(widget(row.objectName))->setText(caption);
        else
            label(row.objectName)->setText(caption);
    }
}

void ControlBinder::showAll() {
    const LanguageIndex language = language_();
    showing_ = true;
    for (const ControlRow& row : rows_) {
        QWidget* w = widget(row.objectName);
        switch (row.kind) {
            case ControlKind::List: {
                auto* combo = static_cast<QComboBox*>(w);
                const std::vector<std::string> items = row.items(document_, language);
                QStringList texts;
                for (const std::string& item : items) texts << qs(item);
                QStringList now;
                for (int i = 0; i < combo->count(); ++i) now << combo->itemText(i);
                if (now != texts) {
                    combo->clear();
                    combo->addItems(texts);
                }
                combo->setCurrentIndex(row.shown(document_, items));
                break;
            }
            case ControlKind::Check:
                static_cast<QCheckBox*>(w)->setChecked(row.shown(document_, {}) != 0);
                break;
            case ControlKind::Text:
                static_cast<QLineEdit*>(w)->setText(qs(row.shownText(document_)));
                break;
        }
        const QString tip = qs(controlTip(row, document_, language));
        w->setToolTip(tip);
        w->setAccessibleDescription(tip);
        if (row.label) w->setAccessibleName(qs(withoutAccessKey(row.label(language))));
        if (row.enabled) {
            const bool on = row.enabled(document_);
            w->setEnabled(on);
            if (QLabel* l = label(row.objectName)) l->setEnabled(on);
        }
        if (row.visible) {
            const bool on = row.visible(document_);
            w->setVisible(on);
            if (QLabel* l = label(row.objectName)) l->setVisible(on);
        }
    }
    showing_ = false;
    loaded_ = true;
}

ControlChoice ControlBinder::choiceOf(const ControlRow& row) const {
    QWidget* w = widget(row.objectName);
    switch (row.kind) {
        case ControlKind::List: {
            auto* combo = static_cast<QComboBox*>(w);
            return {combo->currentIndex(), combo->currentText().toStdString()};
        }
        case ControlKind::Check: return {static_cast<QCheckBox*>(w)->isChecked() ? 1 : 0, {}};
        case ControlKind::Text: return {0, static_cast<QLineEdit*>(w)->text().toStdString()};
    }
    return {};
}

void ControlBinder::writeFrom(const std::string& objectName) {
    if (const ControlRow* row = findControl(rows_, objectName)) write(*row, choiceOf(*row));
}

void ControlBinder::write(const ControlRow& row, const ControlChoice& choice) {
    if (!loaded_ || showing_) return;
    // An empty list has no choice to write.
    if (row.kind == ControlKind::List && choice.position < 0) return;
    trapFailures(procedure_.c_str(), [&] {
        const unsigned effects = row.write(document_, choice);
        showAll();
        if (written_) written_(row, effects);
        if (noted_ && row.kind == ControlKind::Text) {
            const std::string note = typedValueNote(row, choice.text, row.shownText(document_), language_());
            if (!note.empty()) noted_(note);
        }
    });
}

}  // namespace mv52
