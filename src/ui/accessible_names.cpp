// Accessible names from the layout tables' captions, and the label buddies.
#include "ui/accessible_names.h"

#include <QLabel>

namespace tavrel::ui {

namespace {

constexpr char16_t kIdeographicBlank = u'\u3000';

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(kIdeographicBlank);
}

// Chinese characters and full-width punctuation: no blank is spoken between two of them.
bool isWide(QChar c) {
    return c.unicode() >= 0x2E80;
}

bool opensUnit(QChar c) {
    return c == QLatin1Char('(') || c == QChar(u'（');
}

QWidget& child(const QWidget& surface, std::string_view name) {
    auto* widget = surface.findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(widget);
    return *widget;
}

}  // namespace

QString spokenCaption(const QString& caption) {
    QString spoken;
    bool blankPending = false;
    for (const QChar c : caption) {
        if (isBlank(c)) {
            blankPending = !spoken.isEmpty();
            continue;
        }
        const bool keepBlank = blankPending && !(isWide(spoken.back()) && isWide(c));
        if (keepBlank || (opensUnit(c) && !spoken.isEmpty())) {
            spoken += QLatin1Char(' ');
        }
        spoken += c;
        blankPending = false;
    }
    return spoken;
}

QString withoutUnit(const QString& spoken) {
    const qsizetype unit = spoken.lastIndexOf(QStringLiteral(" ("));
    const bool endsWithUnit = unit > 0 && (spoken.endsWith(QLatin1Char(')')) || spoken.endsWith(u'）'));
    return endsWithUnit ? spoken.left(unit) : spoken;
}

QString overrideCheckBoxName(const QString& unlockedValueName) {
    return QStringLiteral("修改 ") + withoutUnit(unlockedValueName);
}

void nameControls(const QWidget& surface, std::span<const ControlRow> controls,
                  std::span<const CaptionLink> captions) {
    for (const ControlRow& row : controls) {
        if (row.kind == ControlKind::Button || row.kind == ControlKind::OptionButton) {
            child(surface, row.name).setAccessibleName(spokenCaption(toQString(row.caption)));
        }
    }
    for (const CaptionLink& link : captions) {
        auto& label = static_cast<QLabel&>(child(surface, link.label));
        QWidget& named = child(surface, link.control);
        const QString spoken = spokenCaption(label.text());
        label.setBuddy(&named);
        label.setAccessibleName(spoken);  // what AT-SPI gives as the label of a list
        named.setAccessibleName(spoken);
    }
}

}  // namespace tavrel::ui
