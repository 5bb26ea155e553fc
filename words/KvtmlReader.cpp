#include "words/KvtmlReader.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <set>

namespace qor {

namespace {

struct Translation {
    QString text;
    QString comment;
};

std::string utf8(const QString& s) {
    return s.toStdString();
}

// The <text> and <comment> of one <translation>; other children are passed over.
Translation readTranslation(QXmlStreamReader& xml) {
    Translation t;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"text")
            t.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == u"comment")
            t.comment = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else
            xml.skipCurrentElement();
    }
    return t;
}

} // namespace

WordTable readKvtml(std::string_view bytes) {
    WordTable table;
    // Read where the bytes lie: a large file is not copied first.
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QXmlStreamReader xml(data);

    // An entry's translations by id; two as a rule, so a short list rather than a map.
    struct Entry {
        std::size_t line;
        std::vector<std::pair<QString, Translation>> translations;
        Translation get(const QString& id) const {
            for (const auto& [i, t] : translations)
                if (i == id) return t;
            return {};
        }
    };
    std::vector<Entry> entries;
    std::vector<QString> identifierIds;
    std::map<QString, std::pair<QString, QString>> identifiers;  // id -> name, locale

    if (!xml.readNextStartElement() || xml.name() != u"kvtml") {
        table.error = xml.hasError() ? "XML として読めません（" + std::to_string(xml.lineNumber()) +
                                           "行目: " + utf8(xml.errorString()) + "）"
                                     : "KVTML ファイルではありません";
        return table;
    }
    QString version = xml.attributes().value(QLatin1String("version")).toString();
    if (!version.startsWith(u'2')) {
        table.error = "KVTML 2.0 のファイルではありません（バージョン「" + utf8(version) + "」）";
        return table;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == u"identifiers") {
            while (xml.readNextStartElement()) {
                if (xml.name() != u"identifier") {
                    xml.skipCurrentElement();
                    continue;
                }
                QString id = xml.attributes().value(QLatin1String("id")).toString();
                QString name, locale;
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"name") name = xml.readElementText();
                    else if (xml.name() == u"locale") locale = xml.readElementText();
                    else xml.skipCurrentElement();
                }
                if (!identifiers.count(id)) identifierIds.push_back(id);
                identifiers[id] = {name, locale};
            }
        } else if (xml.name() == u"entries") {
            while (xml.readNextStartElement()) {
                if (xml.name() != u"entry") {
                    xml.skipCurrentElement();
                    continue;
                }
                Entry entry{static_cast<std::size_t>(xml.lineNumber()), {}};
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"translation") {
                        QString id = xml.attributes().value(QLatin1String("id")).toString();
                        Translation t = readTranslation(xml);
                        auto same = std::find_if(entry.translations.begin(), entry.translations.end(),
                                                 [&](const auto& p) { return p.first == id; });
                        if (same != entry.translations.end()) same->second = std::move(t);
                        else entry.translations.emplace_back(std::move(id), std::move(t));
                    } else {
                        xml.skipCurrentElement();
                    }
                }
                entries.push_back(std::move(entry));
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        table.error = "XML の読み込みに失敗しました（" + std::to_string(xml.lineNumber()) +
                      "行目: " + utf8(xml.errorString()) + "）";
        return table;
    }

    // The first two languages: in the order of the identifiers, else by the translations'
    // ids as numbers.
    std::vector<QString> ids = identifierIds;
    if (ids.size() < 2) {
        std::set<QString> seen(ids.begin(), ids.end());
        std::vector<QString> more;
        for (const Entry& e : entries)
            for (const auto& [id, t] : e.translations)
                if (seen.insert(id).second) more.push_back(id);
        std::sort(more.begin(), more.end(), [](const QString& a, const QString& b) {
            return a.toInt() != b.toInt() ? a.toInt() < b.toInt() : a < b;
        });
        ids.insert(ids.end(), more.begin(), more.end());
    }
    ids.resize(std::min<std::size_t>(ids.size(), 2));
    while (ids.size() < 2) ids.push_back(QString());

    for (const QString& id : ids) {
        auto it = identifiers.find(id);
        table.columnNames.push_back(it == identifiers.end() ? std::string() : utf8(it->second.first));
        table.columnLanguages.push_back(it == identifiers.end() ? std::string() : utf8(it->second.second));
    }
    table.columnNames.push_back("コメント");
    table.columnLanguages.push_back({});
    table.columns = 3;

    for (const Entry& e : entries) {
        Translation a = e.get(ids[0]), b = e.get(ids[1]);
        QString comment = a.comment.trimmed();
        if (!b.comment.trimmed().isEmpty())
            comment += (comment.isEmpty() ? QString() : QStringLiteral(" / ")) + b.comment.trimmed();
        table.rows.addRow(e.line);
        for (const QString* text : {&a.text, &b.text, &comment}) table.rows.addField(utf8(*text));
    }
    return table;
}

} // namespace qor
