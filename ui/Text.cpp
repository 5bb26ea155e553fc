#include "ui/Text.h"

#include <QAbstractButton>
#include <QFontMetrics>

#include "base/Cp932.h"
#include "ui/Platform.h"

namespace ui {

QString toQ(std::string_view cp932) {
    return QString::fromStdString(qor::toUtf8(cp932));
}

std::optional<std::string> fromQ(const QString& text) {
    return qor::toCp932(text.toStdString());
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QString ch = text.mid(i, n);
        if (!qor::toCp932(ch.toStdString()))
            return ch;
        i += n;
    }
    return {};
}

std::optional<std::string> fromQOrWarn(QWidget* parent, const QString& text) {
    if (auto converted = fromQ(text))
        return converted;
    platform().showNotice(parent,
                          QStringLiteral("「%1」は、この文字を含むため使用できません。\n"
                                         "Shift-JIS で表せない文字は使えません。")
                              .arg(firstUnencodable(text)),
                          QStringLiteral("エラー"), kNoticeWarning);
    return std::nullopt;
}

void showFileError(QWidget* parent, const std::string& cp932Path, const std::string& reason) {
    platform().showNotice(parent, toQ(cp932Path) + QStringLiteral("\n") + QString::fromStdString(reason),
                          QStringLiteral("エラー"), kNoticeWarning);
}

void showOpenForSaveFailure(QWidget* parent, const std::string& cp932Path, const std::string& reason) {
    platform().showNotice(parent,
                          QStringLiteral("ファイルを開くことができませんでした。\n"
                                         "指定したファイルが存在するか確かめて、再度｢保存｣を押してください") +
                              QStringLiteral("\n\n") + toQ(cp932Path) + QStringLiteral("\n") +
                              QString::fromStdString(reason),
                          QStringLiteral("エラー"), kNoticeWarning);
}

void setUserCaption(QAbstractButton* button, const QString& caption) {
    const QFontMetrics fm(button->font());
    const int room = fm.horizontalAdvance(QString(10, QChar(0x3042)));
    const QString shown = fm.elidedText(caption, Qt::ElideRight, room);
    // "&" stays a plain character of the learner's caption.
    QString escaped = shown;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    button->setText(escaped);
    button->setToolTip(shown == caption ? QString() : caption);
}

} // namespace ui
