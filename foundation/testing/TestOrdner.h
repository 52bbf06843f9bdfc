#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace varku::test {

// Ein frischer Programmordner für einen Test; ProgPfad zeigt während des Tests darauf.
class TestOrdner {
public:
    TestOrdner();
    ~TestOrdner();

    QString pfad(const QString& name = {}) const;
    void schreibe(const QString& name, const QByteArray& inhalt) const;
    QByteArray lies(const QString& name) const;
    bool gibt(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QString m_alterProgPfad;
};

} // namespace varku::test
