#include "quiz/TfrmQuestionSetupDictionary.h"

#include "base/TextFile.h"
#include "quiz/TfrmQuestionSetupFields.h"
#include "settings/DefaultDictionaries.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "words/Dictionary.h"
#include "words/DictionaryList.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qor {

QString SetupDictionaryPart::firstUseMessage() {
    return QStringLiteral("初めて使用する辞書ファイルのようです。\n\n"
                          "初めての辞書ファイルを使用する場合は、\n"
                          "１）\"OPEN\"ボタン\n"
                          "２）ドラッグ＆ドロップ\n"
                          "で指定しなおしてください。");
}

SetupDictionaryPart::SetupDictionaryPart(CurrentUserFiles user, PathSettings& files,
                                         const DefaultDictionaryTypes& dicTypes,
                                         QuestionSetupHost& host, QWidget* parent)
    : QWidget(parent), user_(std::move(user)), files_(files), dicTypes_(dicTypes), host_(host),
      dictionaries_(user_, files_) {
    setObjectName(QStringLiteral("dictionaryPart"));
    rgDicType_ = new QGroupBox(QStringLiteral("単語の種類"), this);
    rgDicType_->setObjectName(QStringLiteral("rgDicType"));
    grpDicType_ = new QButtonGroup(this);
    grpDicType_->setObjectName(QStringLiteral("grpDicType"));
    auto* dicTypeLayout = new QGridLayout(rgDicType_);
    dicTypeLayout->setContentsMargins(8, 4, 8, 4);
    const char* dicTypeTexts[] = {"名詞", "動詞", "形容詞・副詞", "その他"};
    for (int i = 0; i < kDefaultDictionaries; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(dicTypeTexts[i]), rgDicType_);
        grpDicType_->addButton(b, i);
        dicTypeLayout->addWidget(b, i / 2, i % 2);
    }
    auto* dicFileLabel = new QLabel(QStringLiteral("辞書ファイルを指定する"), this);
    cboDicFile_ = new DictionaryPicker(dictionaries_, this);
    cboDicFile_->setObjectName(QStringLiteral("cboDicFile"));
    cboDicFile_->setMinimumWidth(200);
    dicFileLabel->setBuddy(cboDicFile_);
    cmdSelectDicFile_ = new QPushButton(QStringLiteral("O&PEN"), this);
    cmdSelectDicFile_->setObjectName(QStringLiteral("cmdSelectDicFile"));
    cmdSelectDicFile_->setAutoDefault(false);
    auto* vocNumLabel = new QLabel(QStringLiteral("単語登録数 ： "), this);
    txtVocNum_ = new QLineEdit(QStringLiteral("0"), this);
    txtVocNum_->setObjectName(QStringLiteral("txtVocNum"));
    txtVocNum_->setReadOnly(true);
    txtVocNum_->setFixedWidth(70);
    txtVocNum_->setAlignment(Qt::AlignRight);
    vocNumLabel->setBuddy(txtVocNum_);

    auto* dicFileRow = new QHBoxLayout;
    dicFileRow->addWidget(cboDicFile_, 1);
    dicFileRow->addWidget(cmdSelectDicFile_);
    auto* vocRow = new QHBoxLayout;
    vocRow->addWidget(vocNumLabel);
    vocRow->addWidget(txtVocNum_);
    vocRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(setup::kRowSpacing);
    layout->addWidget(rgDicType_);
    layout->addWidget(dicFileLabel);
    layout->addLayout(dicFileRow);
    layout->addLayout(vocRow);

    ui::onChosen(grpDicType_, this, &SetupDictionaryPart::rgDicTypeClick);
    connect(cboDicFile_, &QComboBox::activated, this, &SetupDictionaryPart::cboDicFileChange);
    connect(cboDicFile_->lineEdit(), &QLineEdit::editingFinished, this,
            &SetupDictionaryPart::cboDicFileChange);
    connect(cmdSelectDicFile_, &QPushButton::clicked, this,
            &SetupDictionaryPart::cmdSelectDicFileClick);
}

void SetupDictionaryPart::showInUse() {
    cboDicFile_->showListed(files_.DicInUse);
    const DefaultDictionarySet defaults = defaultDictionaries(dicTypes_);
    for (int i = 0; i < kDefaultDictionaries; ++i)
        ui::setUserCaption(grpDicType_->button(i),
                           ui::toQ(defaults[static_cast<std::size_t>(i)].caption));
    const std::string fileName = fileNameOf(files_.DicInUse);
    selectDicTypeOf(fileName);
    appliedDicText_ = ui::toQ(fileName);
    cboDicFile_->setEditText(appliedDicText_);
    setWordCount(static_cast<int>(countLines(files_.DicInUse).count));
}

void SetupDictionaryPart::setWordCount(int count) {
    wordCount_ = count;
    txtVocNum_->setText(QString::number(wordCount_));
}

void SetupDictionaryPart::setChangeable(bool changeable) {
    rgDicType_->setEnabled(changeable);
    cboDicFile_->setEnabled(changeable);
    cmdSelectDicFile_->setEnabled(changeable);
}

void SetupDictionaryPart::selectDicTypeOf(const std::string& fileName) {
    const int index = defaultDictionaryWithFileName(dicTypes_, fileName);
    if (index < 0)
        setup::chooseNone(grpDicType_);
    else
        ui::showSwitchState(grpDicType_->button(index), true);
}

void SetupDictionaryPart::use(const std::string& path) {
    files_.DicInUse = path;
    const std::string fileName = fileNameOf(path);
    DictionaryCount count = countLines(path);
    if (!count.status)
        ui::showFileError(window(), count.status.path(), count.status.reason());
    setWordCount(static_cast<int>(count.count));
    selectDicTypeOf(fileName);
    appliedDicText_ = ui::toQ(fileName);
    cboDicFile_->setEditText(appliedDicText_);
    host_.setDictionaryText(fileName);
    emit changed();
}

void SetupDictionaryPart::rgDicTypeClick(int index) {
    if (index < 0 || index >= kDefaultDictionaries)
        return;
    const std::string path = defaultDictionaries(dicTypes_)[static_cast<std::size_t>(index)].path;
    if (FileStatus written = rememberDictionaryPath(user_().setupIni(), path); !written)
        ui::showFileError(window(), written.path(), written.reason());
    use(path);
}

void SetupDictionaryPart::cboDicFileChange() {
    const QString text = cboDicFile_->currentText();
    if (text == appliedDicText_)
        return;
    appliedDicText_ = text;
    emit nameEdited();
    if (!text.contains(QStringLiteral(".txt")))
        return;
    txtVocNum_->setText(QStringLiteral("0"));
    auto fileName = ui::fromQOrWarn(window(), text);
    if (!fileName)
        return;
    selectDicTypeOf(*fileName);
    const std::string path = rememberedDictionaryPath(user_().setupIni(), *fileName);
    if (path.empty()) {
        // The dictionary is unknown until it is chosen with OPEN or dropped; the word count
        // of the one before stays.
        files_.DicInUse.clear();
        host_.setDictionaryText(*fileName);
        emit changed();
        ui::platform().showNotice(window(), firstUseMessage(), QStringLiteral("辞書の指定失敗"),
                                  ui::kNoticeInformation);
        return;
    }
    use(path);
}

void SetupDictionaryPart::cmdSelectDicFileClick() {
    DictionaryChange change = cboDicFile_->selectWithDialog();
    if (change.changed)
        use(files_.DicInUse);
}

void SetupDictionaryPart::acceptDrops(const QList<QUrl>& urls) {
    if (!rgDicType_->isEnabled())
        return;
    DictionaryChange change = cboDicFile_->acceptDroppedFiles(urls);
    if (change.changed)
        use(files_.DicInUse);
}

} // namespace qor
