#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>
#include <memory>

// An icon made of picture files of known sizes whose pictures are decoded
// only when one is first drawn or asked for. Qt's own file icons decode
// every file as it is added, even with its size given; a window icon is
// often never drawn by the program itself. Everything is handed on to the
// same QIcon that QIcon::addFile would have built, so what is drawn is the same.
class DeferredIcon : public QIconEngine
{
public:
    struct File
    {
        QString path;
        QSize size;
    };

    static QIcon make(const QList<File> &files);

    explicit DeferredIcon(QList<File> files);

    QIconEngine *clone() const override;
    QString key() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override;
    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QString iconName() override;

private:
    QIcon &loaded();

    QList<File> m_files;
    // Shared between copies until one of them changes, as QIcon's own data is.
    std::shared_ptr<QIcon> m_icon;
};
