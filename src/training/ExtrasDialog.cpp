#include "ExtrasDialog.h"

#include "Artwork.h"
#include "HistoryFile.h"
#include "HistoryWindow.h"
#include "Messages.h"
#include "Placement.h"
#include "ProgramPaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

ExtrasDialog::ExtrasDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ExtrasDialog"));
    setWindowTitle(QStringLiteral("練習の詳細設定"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_flashPercentBox = new QSpinBox(this);
    m_flashPercentBox->setObjectName(QStringLiteral("flashPercentBox"));
    m_flashPercentBox->setRange(TrainingExtras::MinFlashPercent, 100);
    m_flashPercentBox->setSingleStep(5);
    m_flashPercentBox->setSuffix(QStringLiteral(" %"));
    m_flashPercentBox->setToolTip(QStringLiteral("間隔のうち数字を表示する割合です。残りは何も表示しません。100 %で通常どおりです。"));

    m_totalTimeCheck = new QCheckBox(QStringLiteral("合計時間で指定する"), this);
    m_totalTimeCheck->setObjectName(QStringLiteral("totalTimeCheck"));
    m_totalSecondsBox = new QDoubleSpinBox(this);
    m_totalSecondsBox->setObjectName(QStringLiteral("totalSecondsBox"));
    m_totalSecondsBox->setDecimals(3);
    m_totalSecondsBox->setRange(TrainingExtras::MinTotalMs / 1000.0, TrainingExtras::MaxTotalMs / 1000.0);
    m_totalSecondsBox->setSingleStep(0.05);
    m_totalSecondsBox->setSuffix(QStringLiteral(" 秒"));
    m_totalSecondsBox->setToolTip(QStringLiteral("最初の数字から最後の数字までの時間です。間隔はコマ数で割ったミリ秒になり、"
                                                 "練習画面の間隔の欄は使いません。"));
    connect(m_totalTimeCheck, &QCheckBox::toggled, this, &ExtrasDialog::showSpeedChoices);

    m_adaptiveBox = new QComboBox(this);
    m_adaptiveBox->setObjectName(QStringLiteral("adaptiveBox"));
    m_adaptiveBox->addItems({QStringLiteral("しない"), QStringLiteral("正解率 約70%"), QStringLiteral("正解率 約80%")});
    m_adaptiveBox->setToolTip(QStringLiteral("正解が続くと間隔を短く、不正解で長くして、この正解率になる速さを探します。"
                                             "練習画面の間隔の欄は今の間隔を表示するだけになります。"));
    connect(m_adaptiveBox, &QComboBox::currentIndexChanged, this, &ExtrasDialog::showSpeedChoices);
    m_speedNote = new QLabel(this);
    m_speedNote->setObjectName(QStringLiteral("speedNote"));
    m_speedNote->setWordWrap(true);

    m_minusPercentBox = new QSpinBox(this);
    m_minusPercentBox->setObjectName(QStringLiteral("minusPercentBox"));
    m_minusPercentBox->setRange(0, TrainingExtras::MaxMinusPercent);
    m_minusPercentBox->setSingleStep(10);
    m_minusPercentBox->setSuffix(QStringLiteral(" %"));
    m_minusPercentBox->setToolTip(
        QStringLiteral("この割合の数字を引き算にします（マイナス記号付きで表示）。途中の合計が0より小さくなることはありません。"));

    m_reviewBox = new QComboBox(this);
    m_reviewBox->setObjectName(QStringLiteral("reviewBox"));
    m_reviewBox->addItems({QStringLiteral("表示しない"), QStringLiteral("不正解のとき"), QStringLiteral("毎回")});

    m_historyCheck = new QCheckBox(QStringLiteral("履歴を記録する"), this);
    m_historyCheck->setObjectName(QStringLiteral("historyCheck"));
    m_historyButton = new QPushButton(QStringLiteral("履歴を見る..."), this);
    m_historyButton->setObjectName(QStringLiteral("historyButton"));
    connect(m_historyButton, &QPushButton::clicked, this, &ExtrasDialog::showHistory);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(m_okButton, &QPushButton::clicked, this, &ExtrasDialog::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("数字を表示する長さ："), m_flashPercentBox);
    auto *total = new QHBoxLayout;
    total->addWidget(m_totalTimeCheck);
    total->addWidget(m_totalSecondsBox);
    form->addRow(QStringLiteral("速さ："), total);
    form->addRow(QStringLiteral("速さの自動調整："), m_adaptiveBox);
    form->addRow(QString(), m_speedNote);
    form->addRow(QStringLiteral("引き算の割合："), m_minusPercentBox);
    form->addRow(QStringLiteral("ふりかえり："), m_reviewBox);
    auto *history = new QHBoxLayout;
    history->addWidget(m_historyCheck);
    history->addWidget(m_historyButton);
    form->addRow(QStringLiteral("履歴："), history);
    auto *note = new QLabel(QStringLiteral("練習モードだけに使われます。チャレンジモードは変わりません。"), this);
    note->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addLayout(buttons);

    showExtras(TrainingExtras::load());
}

bool ExtrasDialog::openFromMenu()
{
    ExtrasDialog dialog;
    Placement::centerOnActiveScreen(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

TrainingExtras ExtrasDialog::extras() const
{
    TrainingExtras e;
    e.flashPercent = m_flashPercentBox->value();
    e.byTotalTime = m_totalTimeCheck->isChecked();
    e.totalMs = int(std::lround(m_totalSecondsBox->value() * 1000));
    e.minusPercent = m_minusPercentBox->value();
    e.review = TrainingExtras::Review(m_reviewBox->currentIndex());
    e.keepHistory = m_historyCheck->isChecked();
    e.adaptive = TrainingExtras::Adaptive(m_adaptiveBox->currentIndex());
    return e;
}

void ExtrasDialog::showExtras(const TrainingExtras &e)
{
    m_flashPercentBox->setValue(e.flashPercent);
    m_totalTimeCheck->setChecked(e.byTotalTime);
    m_totalSecondsBox->setValue(e.totalMs / 1000.0);
    m_adaptiveBox->setCurrentIndex(int(e.adaptive));
    m_minusPercentBox->setValue(e.minusPercent);
    m_reviewBox->setCurrentIndex(int(e.review));
    m_historyCheck->setChecked(e.keepHistory);
    showSpeedChoices();
}

void ExtrasDialog::showSpeedChoices()
{
    const bool byTotal = m_totalTimeCheck->isChecked();
    const bool adaptive = m_adaptiveBox->currentIndex() != int(TrainingExtras::Adaptive::Off);
    m_totalSecondsBox->setEnabled(byTotal);
    m_totalTimeCheck->setEnabled(!adaptive);
    m_adaptiveBox->setEnabled(!byTotal);
    m_speedNote->setText(byTotal ? QStringLiteral("合計時間で指定している間は、速さの自動調整は使えません。")
                         : adaptive ? QStringLiteral("速さの自動調整を使っている間は、合計時間では指定できません。")
                                    : QString());
    m_speedNote->setVisible(byTotal || adaptive);
}

void ExtrasDialog::confirm()
{
    const TrainingExtras chosen = extras();
    // Unchanged extras leave the file as it is (or absent).
    if (chosen == TrainingExtras::load()) {
        accept();
        return;
    }
    if (!chosen.save()) {
        Messages::show(QStringLiteral("練習の詳細設定を保存できませんでした。\n%1")
                           .arg(QDir::toNativeSeparators(ProgramPaths::dataPath(TrainingExtras::fileName()))),
                       QStringLiteral("保存報告"));
        return;
    }
    accept();
}

void ExtrasDialog::showHistory()
{
    HistoryWindow window(HistoryFile::path(), this);
    Placement::centerOnActiveScreen(&window);
    window.exec();
}
