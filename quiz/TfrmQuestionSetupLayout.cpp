// The question setup dialog's controls, their layout and their connections, as the
// dialog is created; what the controls do is in TfrmQuestionSetup.cpp.
#include "quiz/TfrmQuestionSetup.h"

#include "quiz/QuestionSetupRules.h"
#include "settings/DefaultDictionaries.h"
#include "ui/DialogFrame.h"
#include "ui/FileDrops.h"
#include "ui/Panels.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qor {

TfrmQuestionSetup::TfrmQuestionSetup(Drill& drill, TUserSettings& settings, QuestionSetupHost& host,
                                     QWidget* parent)
    : QDialog(parent), drill_(drill), settings_(settings), host_(host), plan_(drill.plan()),
      dictionaries_(settings) {
    setWindowTitle(QStringLiteral("出題の設定"));
    ui::setDialogFrame(this);
    ui::acceptFileDrops(this, [this](const QList<QUrl>& urls) { FormDropFiles(urls); });

    lblBanner = ui::banner(QStringLiteral("ここでは、出題させる問題の設定を行います"), this);

    // --- memorize only ---
    chkOnlyMemorize = new QCheckBox(
        QStringLiteral(
            "暗記のみ行う  『これをチェックすると正解・不正解関係なく暗記を行います』 ： "),
        this);
    txtOnlyMemorizeTime = new QLineEdit(QStringLiteral("5"), this);
    txtOnlyMemorizeTime->setValidator(new QIntValidator(1, 20, txtOnlyMemorizeTime));
    txtOnlyMemorizeTime->setFixedWidth(36);
    txtOnlyMemorizeTime->setAlignment(Qt::AlignRight);
    udOnlyMemorizeTime = new ui::UpDown(txtOnlyMemorizeTime, this);
    udOnlyMemorizeTime->setRange(1, 20);
    lblOnlyMemorizeTime = new QLabel(QStringLiteral("秒後に正解を表示する"), this);
    lblOnlyMemorizeTime->setBuddy(txtOnlyMemorizeTime);
    txtOnlyMemorizeTime->setAccessibleName(QStringLiteral("正解を表示するまでの秒数"));

    // --- question options ---
    chkOption = new QCheckBox(QStringLiteral("出題オプションを設定する (&Q)"), this);
    gbOption = new QGroupBox(this);
    gbOption->setAccessibleName(QStringLiteral("出題オプション"));
    // One option at most; none is chosen when the option group is off or an option refused
    // (the group is made non-exclusive for a moment to clear it).
    grpOption = new QButtonGroup(this);
    auto radio = [this](const char* text) {
        auto* b = new QRadioButton(QString::fromUtf8(text), gbOption);
        grpOption->addButton(b);
        return b;
    };
    rbSameQuestion = radio("前回と同じ問題をする (&U)");
    rbErrorOnly = radio("前回に間違えた問題のみをする (&E)");
    rbPrevQuestionOn = radio("過去の問題を復習する (&P)");
    rbPrevErrorOn = radio("過去の間違えを復習する (&M)");
    lblOptionNum = new QLabel(QStringLiteral("↓何回前の？"), gbOption);
    txtOptionNum = new QLineEdit(QStringLiteral("1"), gbOption);
    txtOptionNum->setReadOnly(true);
    txtOptionNum->setFixedWidth(36);
    txtOptionNum->setAlignment(Qt::AlignRight);
    txtOptionNum->setAccessibleName(QStringLiteral("何回前の？"));
    udOptionNum = new ui::UpDown(txtOptionNum, gbOption);
    udOptionNum->setRange(1, 10);
    lblOptionUnit = new QLabel(QStringLiteral("回目"), gbOption);
    rbYesterdayOn = radio("昨日、間違えた問題を復習する (&Y)");
    rbNotSameQuestion = radio("同じ問題を繰り返し出題しない (&N)");
    rbNotSameQuestion->setToolTip(
        QStringLiteral("これをチェックすると、１問目の出題に少し時間がかかります"));
    rbNotRandom = radio("ランダムに出題しない (&R)");
    chkNotRandomContinue = new QCheckBox(QStringLiteral("前回の続きから始める (&C)"), gbOption);
    options_ = {
        {rbSameQuestion, &DrillModes::sameQuestions},
        {rbErrorOnly, &DrillModes::lastErrors},
        {rbPrevQuestionOn, &DrillModes::earlierDrill},
        {rbPrevErrorOn, &DrillModes::earlierErrors},
        {rbYesterdayOn, &DrillModes::yesterday},
        {rbNotSameQuestion, &DrillModes::notSameQuestion},
        {rbNotRandom, &DrillModes::notRandom},
    };

    auto* optionNumRow = new QHBoxLayout;
    optionNumRow->setContentsMargins(24, 0, 0, 0);
    optionNumRow->addWidget(lblOptionNum);
    optionNumRow->addWidget(txtOptionNum);
    optionNumRow->addWidget(udOptionNum);
    optionNumRow->addWidget(lblOptionUnit);
    optionNumRow->addStretch(1);
    auto* continueRow = new QHBoxLayout;
    continueRow->setContentsMargins(24, 0, 0, 0);
    continueRow->addWidget(chkNotRandomContinue);
    auto* optionLayout = new QVBoxLayout(gbOption);
    optionLayout->setSpacing(3);
    optionLayout->addWidget(rbSameQuestion);
    optionLayout->addWidget(rbErrorOnly);
    optionLayout->addWidget(rbPrevQuestionOn);
    optionLayout->addWidget(rbPrevErrorOn);
    optionLayout->addLayout(optionNumRow);
    optionLayout->addWidget(rbYesterdayOn);
    optionLayout->addWidget(rbNotSameQuestion);
    optionLayout->addWidget(rbNotRandom);
    optionLayout->addLayout(continueRow);

    // --- custom list and importance ---
    chkCustomQuestion = new QCheckBox(QStringLiteral("出題する単語を指定する (&V)"), this);
    chkCustomQuestion->setToolTip(QStringLiteral("ダイアログが表示されるまで時間がかかります"));
    cgProgress = ui::progressGauge(this, QStringLiteral("cgProgress"),
                                   QStringLiteral("出題する単語の一覧の読み込み"));
    cgProgress->setToolTip(QStringLiteral("ダイアログが表示されるまで時間がかかります"));
    chkImportantQuestion =
        new QCheckBox(QStringLiteral("指定した重要度の単語を出題する (&F)"), this);
    auto* levelRow = new QHBoxLayout;
    levelRow->setContentsMargins(24, 0, 0, 0);
    levelRow->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton(this);
        b->setText(QString::number(i + 1));
        b->setCheckable(true);
        b->setFixedSize(28, 24);
        b->setAccessibleName(QStringLiteral("重要度 %1").arg(i + 1));
        cmdLevel[static_cast<std::size_t>(i)] = b;
        levelRow->addWidget(b);
    }
    levelRow->addStretch(1);
    chkNormalImportant =
        new QCheckBox(QStringLiteral("すべて出題した後は、通常どおり辞書から出題する"), this);
    auto* normalRow = new QHBoxLayout;
    normalRow->setContentsMargins(24, 0, 0, 0);
    normalRow->addWidget(chkNormalImportant);

    // --- answer form ---
    chkSelectOn = new QCheckBox(QStringLiteral("選択形式で解答する (&S)"), this);
    rgSelectNum = new QGroupBox(this);
    rgSelectNum->setAccessibleName(QStringLiteral("選択肢の数"));
    grpSelectNum = new QButtonGroup(this);
    auto* selectLayout = new QHBoxLayout(rgSelectNum);
    selectLayout->setContentsMargins(8, 4, 8, 4);
    const char* choiceTexts[] = {"３択", "４択", "５択"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(choiceTexts[i]), rgSelectNum);
        grpSelectNum->addButton(b, i);
        selectLayout->addWidget(b);
    }

    // --- dictionary ---
    rgDicType = new QGroupBox(QStringLiteral("単語の種類"), this);
    grpDicType = new QButtonGroup(this);
    auto* dicTypeLayout = new QGridLayout(rgDicType);
    dicTypeLayout->setContentsMargins(8, 4, 8, 4);
    const char* dicTypeTexts[] = {"名詞", "動詞", "形容詞・副詞", "その他"};
    for (int i = 0; i < kDefaultDictionaries; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(dicTypeTexts[i]), rgDicType);
        grpDicType->addButton(b, i);
        dicTypeLayout->addWidget(b, i / 2, i % 2);
    }
    auto* dicFileLabel = new QLabel(QStringLiteral("辞書ファイルを指定する"), this);
    cboDicFile = new DictionaryPicker(dictionaries_, this);
    cboDicFile->setMinimumWidth(200);
    dicFileLabel->setBuddy(cboDicFile);
    cmdSelectDicFile = new QPushButton(QStringLiteral("O&PEN"), this);
    cmdSelectDicFile->setAutoDefault(false);
    auto* vocNumLabel = new QLabel(QStringLiteral("単語登録数 ： "), this);
    txtVocNum = new QLineEdit(QStringLiteral("0"), this);
    txtVocNum->setReadOnly(true);
    txtVocNum->setFixedWidth(70);
    txtVocNum->setAlignment(Qt::AlignRight);
    vocNumLabel->setBuddy(txtVocNum);

    // --- direction and count ---
    rgQuestionType = new QGroupBox(QStringLiteral("出題形式の設定"), this);
    grpQuestionType = new QButtonGroup(this);
    auto* typeLayout = new QVBoxLayout(rgQuestionType);
    typeLayout->setContentsMargins(8, 4, 8, 4);
    const char* typeTexts[] = {"英語から日本語へ", "日本語から英語へ"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(typeTexts[i]), rgQuestionType);
        grpQuestionType->addButton(b, i);
        typeLayout->addWidget(b);
    }
    grpQuestionType->button(0)->setChecked(true);

    auto* countBox = new QGroupBox(QStringLiteral("出題数の設定"), this);
    lblQuestionNum = new QLabel(ui::toQ(questionRangeLabel(kMaxQuestions)), countBox);
    auto* countLabel = new QLabel(QStringLiteral("出題数 ： "), countBox);
    txtQuestionNum = new QLineEdit(QStringLiteral("10"), countBox);
    txtQuestionNum->setFixedWidth(60);
    txtQuestionNum->setAlignment(Qt::AlignRight);
    countLabel->setBuddy(txtQuestionNum);
    udQuestionNum = new ui::UpDown(txtQuestionNum, countBox);
    udQuestionNum->setRange(1, kMaxQuestions);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(countLabel);
    countRow->addWidget(txtQuestionNum);
    countRow->addWidget(udQuestionNum);
    countRow->addStretch(1);
    auto* countLayout = new QVBoxLayout(countBox);
    countLayout->setContentsMargins(8, 4, 8, 6);
    countLayout->addWidget(lblQuestionNum);
    countLayout->addLayout(countRow);

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setDefault(true);
    cmdOk->setToolTip(QStringLiteral("出題開始 （時間がかかる場合があります）"));
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setAutoDefault(false);
    cmdCancel->setToolTip(QStringLiteral("止める"));

    // --- layout: sources on the left, dictionary and form on the right ---
    auto* memorizeRow = new QHBoxLayout;
    memorizeRow->setSpacing(4);
    memorizeRow->addWidget(chkOnlyMemorize);
    memorizeRow->addWidget(txtOnlyMemorizeTime);
    memorizeRow->addWidget(udOnlyMemorizeTime);
    memorizeRow->addWidget(lblOnlyMemorizeTime);
    memorizeRow->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(chkOption);
    left->addWidget(gbOption);
    left->addSpacing(6);
    left->addWidget(chkCustomQuestion);
    left->addWidget(cgProgress);
    left->addSpacing(6);
    left->addWidget(chkImportantQuestion);
    left->addLayout(levelRow);
    left->addLayout(normalRow);
    left->addStretch(1);

    auto* dicFileRow = new QHBoxLayout;
    dicFileRow->addWidget(cboDicFile, 1);
    dicFileRow->addWidget(cmdSelectDicFile);
    auto* vocRow = new QHBoxLayout;
    vocRow->addWidget(vocNumLabel);
    vocRow->addWidget(txtVocNum);
    vocRow->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(chkSelectOn);
    right->addWidget(rgSelectNum);
    right->addSpacing(4);
    right->addWidget(rgDicType);
    right->addWidget(dicFileLabel);
    right->addLayout(dicFileRow);
    right->addLayout(vocRow);
    right->addSpacing(4);
    right->addWidget(rgQuestionType);
    right->addWidget(countBox);
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* buttons = ui::buttonRow({cmdOk, cmdCancel});

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 10);
    body->addLayout(memorizeRow);
    body->addSpacing(4);
    body->addLayout(columns);
    body->addSpacing(6);
    body->addLayout(buttons);

    ui::layOutUnderHeading(this, lblBanner, body, nullptr, ui::WindowSize::Fixed);

    // Controls shown and hidden by the options keep their place, so that the dialog
    // neither changes its size nor moves the rows beside them.
    for (QWidget* w : std::initializer_list<QWidget*>{txtOnlyMemorizeTime, udOnlyMemorizeTime,
                                                      lblOnlyMemorizeTime, lblOptionNum}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    // --- the form as created ---
    txtOnlyMemorizeTime->hide();
    udOnlyMemorizeTime->hide();
    lblOnlyMemorizeTime->hide();
    gbOption->setEnabled(false);
    rgSelectNum->setEnabled(false);
    chkImportantQuestion->setEnabled(false);
    chkNormalImportant->setEnabled(false);
    for (QToolButton* b : cmdLevel)
        b->setEnabled(false);
    for (QRadioButton* b : {rbSameQuestion, rbErrorOnly, rbPrevQuestionOn, rbPrevErrorOn})
        b->setEnabled(false);
    chkNotRandomContinue->setEnabled(false);
    showOptionNumber(false);

    // --- events ---
    ui::onToggled(chkOnlyMemorize, this, &TfrmQuestionSetup::chkOnlyMemorizeClick);
    ui::onToggled(chkOption, this, &TfrmQuestionSetup::chkOptionClick);
    ui::onToggled(rbSameQuestion, this, &TfrmQuestionSetup::rbSameQuestionClick);
    ui::onToggled(rbErrorOnly, this, &TfrmQuestionSetup::rbErrorOnlyClick);
    ui::onToggled(rbPrevQuestionOn, this, &TfrmQuestionSetup::rbPrevQuestionOnClick);
    ui::onToggled(rbPrevErrorOn, this, &TfrmQuestionSetup::rbPrevErrorOnClick);
    ui::onToggled(rbYesterdayOn, this, &TfrmQuestionSetup::rbYesterdayOnClick);
    ui::onToggled(rbNotSameQuestion, this, &TfrmQuestionSetup::rbNotSameQuestionClick);
    ui::onToggled(rbNotRandom, this, &TfrmQuestionSetup::rbNotRandomClick);
    ui::onToggled(chkNotRandomContinue, this, &TfrmQuestionSetup::chkNotRandomContinueClick);
    connect(txtOptionNum, &QLineEdit::textChanged, this, &TfrmQuestionSetup::txtOptionNumChange);
    ui::onToggled(chkSelectOn, this, &TfrmQuestionSetup::chkSelectOnClick);
    ui::onChosen(grpSelectNum, this, &TfrmQuestionSetup::rgSelectNumClick);
    ui::onChosen(grpDicType, this, &TfrmQuestionSetup::rgDicTypeClick);
    connect(cboDicFile, &QComboBox::activated, this, &TfrmQuestionSetup::cboDicFileChange);
    connect(cboDicFile->lineEdit(), &QLineEdit::editingFinished, this,
            &TfrmQuestionSetup::cboDicFileChange);
    connect(cmdSelectDicFile, &QPushButton::clicked, this,
            &TfrmQuestionSetup::cmdSelectDicFileClick);
    ui::onToggled(chkCustomQuestion, this, &TfrmQuestionSetup::chkCustomQuestionClick);
    ui::onToggled(chkImportantQuestion, this, &TfrmQuestionSetup::chkImportantQuestionClick);
    ui::onToggled(chkNormalImportant, this, &TfrmQuestionSetup::chkNormalImportantClick);
    connect(cmdOk, &QPushButton::clicked, this, &TfrmQuestionSetup::cmdOkClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmQuestionSetup::cmdCancelClick);
}

} // namespace qor
