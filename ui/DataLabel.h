#pragma once
// Labels that show data (a missed word, a count, a legend's line) speak what they show: a
// screen reader reads the label's text as its name, as it reads a field's contents, and
// what the label stands for (a fixed name such as "1位の英語") as its description.

class QLabel;
class QString;

namespace ui {

void showsData(QLabel* label, const QString& whatItShows);

} // namespace ui
