#include "print/DictionaryCombo.h"

#include "base/TextFile.h"
#include "ui/Text.h"
#include "words/DictionaryList.h"

#include <QComboBox>

namespace qor {

void fillDictionaryCombo(QComboBox* combo, const std::string& setupIni, const std::string& fileName) {
    combo->clear();
    for (const std::string& name : listedDictionaries(setupIni)) {
        if (!name.empty())
            combo->addItem(ui::toQ(name));
    }
    combo->setEditText(ui::toQ(fileName));
}

std::optional<std::string> comboDictionaryPath(QWidget* parent, const QComboBox* combo,
                                               const std::string& setupIni) {
    auto fileName = ui::fromQOrWarn(parent, combo->currentText());
    if (!fileName)
        return std::nullopt;
    FileStatus read;
    std::string path = rememberedDictionaryPath(setupIni, *fileName, &read);
    if (!read) {
        ui::showFileError(parent, read.path(), read.reason());
        return std::nullopt;
    }
    return path;
}

QString dialogFolder(const std::string& path, const std::string& dictionaryInUse,
                     const std::string& programFolder) {
    for (const std::string& candidate : {path, dictionaryInUse}) {
        std::string folder = folderOf(candidate);
        if (!folder.empty() && folderExists(folder))
            return ui::toQ(folder);
    }
    return ui::toQ(programFolder + "dictionary/");
}

} // namespace qor
