#include "foundation/testing/TestOrdner.h"

#include "foundation/Global.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace varku::test {

TestOrdner::TestOrdner() : m_alterProgPfad(ProgPfad) {
    if (!m_dir.isValid())
        throw std::runtime_error("kein temporärer Ordner");
    ProgPfad = m_dir.path();
}

TestOrdner::~TestOrdner() {
    ProgPfad = m_alterProgPfad;
}

QString TestOrdner::pfad(const QString& name) const {
    return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
}

void TestOrdner::schreibe(const QString& name, const QByteArray& inhalt) const {
    const QString p = pfad(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("kann nicht schreiben: " + p.toStdString());
    f.write(inhalt);
}

QByteArray TestOrdner::lies(const QString& name) const {
    QFile f(pfad(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TestOrdner::gibt(const QString& name) const {
    return QFileInfo::exists(pfad(name));
}

} // namespace varku::test
