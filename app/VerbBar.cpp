#include "app/VerbBar.h"

#include <QGridLayout>
#include <QToolButton>

#include <cstring>

#include "actions/Verbs.h"

namespace brackenhollow {

namespace {

// Two rows of buttons, so the bar fits beside nothing wider than the picture.
constexpr int kColumns = 7;

// The button's caption, with the letter of its key marked. The Alt keys of the menus (G, V, H) and of
// the lists (E, F, S) are taken.
struct VerbCaption {
  const char* verb;
  const char* caption;
};

constexpr VerbCaption kCaptions[] = {
    {"Climb the", "&Climb"},        {kVerbGet, "Ge&t"},        {kVerbLookAt, "&Look at"},
    {"Move the", "&Move"},          {"Pull the", "&Pull"},     {"Read the", "&Read"},
    {"Search the", "Se&arch"},      {"Swim in the", "Sw&im"},  {"Talk to", "Tal&k to"},
    {"Turn On the", "Turn &On"},    {kVerbUseWith, "&Use … with"}, {"Wear the", "&Wear"},
    {kVerbReset, "Reset"},
};

// The caption for a verb; a verb the table above does not know shows its own text, without a key.
QString Caption(const char* verb) {
  for (const VerbCaption& caption : kCaptions) {
    if (std::strcmp(caption.verb, verb) == 0) return VerbBar::tr(caption.caption);
  }
  return QString::fromUtf8(verb).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

VerbBar::VerbBar(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  int index = 0;
  for (const Verb& verb : Verbs()) {
    auto* button = new QToolButton(this);
    button->setText(Caption(verb.text));
    button->setAccessibleName(QString::fromUtf8(verb.text));
    button->setToolTip(QString::fromUtf8(verb.text));
    button->setCheckable(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The Verb list is the keyboard's way; the buttons answer to their Alt keys.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, button, index] {
      // The mark follows the game's choice, not the click.
      button->setChecked(!button->isChecked());
      emit VerbChosen(index);
    });
    grid->addWidget(button, index / kColumns, index % kColumns);
    m_buttons.push_back(button);
    ++index;
  }
}

void VerbBar::SetChosen(int chosen) {
  for (std::size_t index = 0; index < m_buttons.size(); ++index) {
    m_buttons[index]->setChecked(static_cast<int>(index) == chosen);
  }
}

}  // namespace brackenhollow
