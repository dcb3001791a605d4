// What a screen reader says for each control: accessible names made from the captions of the layout
// tables, and the caption labels set as buddies of the boxes they stand beside.
#pragma once

#include <QString>

#include <span>

#include "ui/form_layout.h"

namespace tavrel::ui {

// A caption as it is spoken. The blanks that pad a caption onto two lines go: between two Chinese
// characters a run of blanks (ASCII or ideographic) disappears, elsewhere it becomes one blank; the
// unit in parentheses keeps one blank before it. " 净跨径       L0(m)" is said "净跨径 L0 (m)",
// "计　算" is said "计算".
QString spokenCaption(const QString& caption);

// A spoken caption without its trailing unit: "盖板宽 b (m)" gives "盖板宽 b".
QString withoutUnit(const QString& spoken);

// The name of an override check box, after the value it unlocks: "修改 盖板宽 b".
QString overrideCheckBoxName(const QString& unlockedValueName);

// Names the controls of a window's client surface: every button and option button after its own
// caption, every captioned box or list after its caption label, which also becomes the label's buddy and
// is said without its padding. Other labels read their own text, so verdicts read the caption the
// calculation gives them.
void nameControls(const QWidget& surface, std::span<const ControlRow> controls,
                  std::span<const CaptionLink> captions);

}  // namespace tavrel::ui
