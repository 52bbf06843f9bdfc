#include "platform/Kriterium.h"

#include "platform/Laufzeitfehler.h"

#include <cmath>
#include <functional>
#include <vector>

namespace varku::db {

namespace {

[[noreturn]] void syntaxfehler(const QString& kriterium, const QString& was) {
    throw Laufzeitfehler(Laufzeitfehler::Kriterium,
                         QStringLiteral("Syntaxfehler im Kriterium (%1)").arg(was), kriterium);
}

[[noreturn]] void typfehler(const QString& kriterium) {
    throw Laufzeitfehler(3464, QStringLiteral("Datentypen im Kriterium unverträglich"), kriterium);
}

// ---------- Zerlegen in Wörter ----------

struct Token {
    enum class Art { Ende, Zahl, Text, Name, Klammer, Operator } art = Art::Ende;
    QString text; // Name, Operator, Text ohne Anführungszeichen
    double zahl = 0;
    qsizetype pos = 0;
};

std::vector<Token> zerlege(const QString& s) {
    std::vector<Token> t;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token tok;
        tok.pos = i;
        if (c.isDigit() || (c == u'.' && i + 1 < n && s.at(i + 1).isDigit())) {
            qsizetype j = i;
            while (j < n && s.at(j).isDigit())
                ++j;
            if (j < n && s.at(j) == u'.') {
                ++j;
                while (j < n && s.at(j).isDigit())
                    ++j;
            }
            if (j < n && (s.at(j) == u'e' || s.at(j) == u'E')) {
                qsizetype k = j + 1;
                if (k < n && (s.at(k) == u'+' || s.at(k) == u'-'))
                    ++k;
                if (k < n && s.at(k).isDigit()) {
                    while (k < n && s.at(k).isDigit())
                        ++k;
                    j = k;
                }
            }
            tok.art = Token::Art::Zahl;
            bool ok = false;
            tok.zahl = s.mid(i, j - i).toDouble(&ok);
            if (!ok || !std::isfinite(tok.zahl))
                syntaxfehler(s, QStringLiteral("Zahl"));
            i = j;
            if (i < n && (s.at(i).isLetter() || s.at(i) == u'_'))
                syntaxfehler(s, QStringLiteral("Zahl mit Buchstaben"));
        } else if (c == u'\'' || c == u'"') {
            // Text; das Zeichen verdoppelt steht für sich selbst
            QString text;
            qsizetype j = i + 1;
            bool zu = false;
            while (j < n) {
                if (s.at(j) == c) {
                    if (j + 1 < n && s.at(j + 1) == c) {
                        text += c;
                        j += 2;
                        continue;
                    }
                    zu = true;
                    ++j;
                    break;
                }
                text += s.at(j++);
            }
            if (!zu)
                syntaxfehler(s, QStringLiteral("Text ohne Ende"));
            tok.art = Token::Art::Text;
            tok.text = text;
            i = j;
        } else if (c == u'[') {
            const qsizetype e = s.indexOf(u']', i + 1);
            if (e < 0 || e == i + 1)
                syntaxfehler(s, QStringLiteral("Feldname in Klammern"));
            tok.art = Token::Art::Name;
            tok.text = s.mid(i + 1, e - i - 1);
            i = e + 1;
        } else if (c.isLetter() || c == u'_') {
            qsizetype j = i;
            while (j < n && (s.at(j).isLetterOrNumber() || s.at(j) == u'_'))
                ++j;
            tok.art = Token::Art::Name;
            tok.text = s.mid(i, j - i);
            i = j;
        } else if (c == u'(' || c == u')' || c == u',') {
            tok.art = Token::Art::Klammer;
            tok.text = c;
            ++i;
        } else {
            static const QString zweier[] = {QStringLiteral("<="), QStringLiteral(">="),
                                             QStringLiteral("<>")};
            tok.art = Token::Art::Operator;
            for (const QString& z : zweier)
                if (s.mid(i, 2) == z)
                    tok.text = z;
            if (tok.text.isEmpty()) {
                if (QStringLiteral("=<>+-*/&").contains(c))
                    tok.text = c;
                else
                    syntaxfehler(s, QStringLiteral("Zeichen „%1“").arg(c));
            }
            i += tok.text.size();
        }
        t.push_back(tok);
    }
    Token ende;
    ende.pos = n;
    t.push_back(ende);
    return t;
}

bool istWort(const Token& t, const char* wort) {
    return t.art == Token::Art::Name &&
           t.text.compare(QLatin1String(wort), Qt::CaseInsensitive) == 0;
}

} // namespace

// ---------- Baum ----------

struct Kriterium::Knoten {
    virtual ~Knoten() = default;
    virtual Wert werte(const Tabelle& t, int zeile) const = 0;
};

namespace {

using KnotenPtr = std::unique_ptr<Kriterium::Knoten>;

struct Konstante : Kriterium::Knoten {
    Wert w;
    explicit Konstante(Wert x) : w(std::move(x)) {}
    Wert werte(const Tabelle&, int) const override { return w; }
};

struct Feld : Kriterium::Knoten {
    int spalte;
    explicit Feld(int s) : spalte(s) {}
    Wert werte(const Tabelle& t, int zeile) const override { return t.wert(spalte, zeile); }
};

// Text als Zahl, wenn er ganz eine ist
bool alsZahl(const Wert& w, double& z) {
    if (w.istZahlig()) {
        z = w.zahl;
        return true;
    }
    bool ok = false;
    z = w.text.trimmed().toDouble(&ok);
    return ok;
}

struct Vergleich : Kriterium::Knoten {
    enum Op { Gleich, Ungleich, Kleiner, KleinerGleich, Groesser, GroesserGleich } op;
    KnotenPtr a, b;
    QString kriterium;
    Wert werte(const Tabelle& t, int zeile) const override {
        const Wert x = a->werte(t, zeile);
        if (x.istNull())
            return Wert::null();
        const Wert y = b->werte(t, zeile);
        if (y.istNull())
            return Wert::null();
        int c = 0;
        if (x.art == Wert::Art::Text && y.art == Wert::Art::Text) {
            c = x.text.compare(y.text, Qt::CaseInsensitive);
        } else {
            double p = 0, q = 0;
            if (!alsZahl(x, p) || !alsZahl(y, q))
                typfehler(kriterium);
            c = p < q ? -1 : (p > q ? 1 : 0);
        }
        bool r = false;
        switch (op) {
        case Gleich:
            r = c == 0;
            break;
        case Ungleich:
            r = c != 0;
            break;
        case Kleiner:
            r = c < 0;
            break;
        case KleinerGleich:
            r = c <= 0;
            break;
        case Groesser:
            r = c > 0;
            break;
        case GroesserGleich:
            r = c >= 0;
            break;
        }
        return Wert::wahrheit(r);
    }
};

struct Rechnung : Kriterium::Knoten {
    QChar op;
    KnotenPtr a, b;
    QString kriterium;
    Wert werte(const Tabelle& t, int zeile) const override {
        const Wert x = a->werte(t, zeile);
        const Wert y = b->werte(t, zeile);
        if (op == u'&') {
            if (x.istNull() && y.istNull())
                return Wert::null();
            return Wert::von(x.alsText() + y.alsText());
        }
        if (x.istNull() || y.istNull())
            return Wert::null();
        double p = 0, q = 0;
        if (!alsZahl(x, p) || !alsZahl(y, q))
            typfehler(kriterium);
        switch (op.unicode()) {
        case u'+':
            return Wert::von(p + q);
        case u'-':
            return Wert::von(p - q);
        case u'*':
            return Wert::von(p * q);
        default:
            if (q == 0)
                throw Laufzeitfehler(Laufzeitfehler::DivisionDurchNull,
                                     QStringLiteral("Division durch Null"), kriterium);
            return Wert::von(p / q);
        }
    }
};

struct Minus : Kriterium::Knoten {
    KnotenPtr a;
    QString kriterium;
    Wert werte(const Tabelle& t, int zeile) const override {
        const Wert x = a->werte(t, zeile);
        if (x.istNull())
            return x;
        double p = 0;
        if (!alsZahl(x, p))
            typfehler(kriterium);
        return Wert::von(-p);
    }
};

// dreiwertige Logik: wahr, falsch, unbestimmt (Null)
enum class Logik { Falsch, Wahr, Unbestimmt };

Logik logik(const Wert& w, const QString& kriterium) {
    if (w.istNull())
        return Logik::Unbestimmt;
    double z = 0;
    if (!alsZahl(w, z))
        typfehler(kriterium);
    return z != 0 ? Logik::Wahr : Logik::Falsch;
}

Wert alsWert(Logik l) {
    return l == Logik::Unbestimmt ? Wert::null() : Wert::wahrheit(l == Logik::Wahr);
}

struct Und : Kriterium::Knoten {
    bool oder = false;
    KnotenPtr a, b;
    QString kriterium;
    Wert werte(const Tabelle& t, int zeile) const override {
        const Logik x = logik(a->werte(t, zeile), kriterium);
        if (!oder && x == Logik::Falsch)
            return Wert::wahrheit(false);
        if (oder && x == Logik::Wahr)
            return Wert::wahrheit(true);
        const Logik y = logik(b->werte(t, zeile), kriterium);
        if (oder) {
            if (y == Logik::Wahr)
                return Wert::wahrheit(true);
            return alsWert(x == Logik::Falsch && y == Logik::Falsch ? Logik::Falsch
                                                                    : Logik::Unbestimmt);
        }
        if (y == Logik::Falsch)
            return Wert::wahrheit(false);
        return alsWert(x == Logik::Wahr && y == Logik::Wahr ? Logik::Wahr : Logik::Unbestimmt);
    }
};

struct Nicht : Kriterium::Knoten {
    KnotenPtr a;
    QString kriterium;
    Wert werte(const Tabelle& t, int zeile) const override {
        const Logik x = logik(a->werte(t, zeile), kriterium);
        if (x == Logik::Unbestimmt)
            return Wert::null();
        return Wert::wahrheit(x == Logik::Falsch);
    }
};

struct Wie : Kriterium::Knoten {
    KnotenPtr a, muster;
    bool nicht = false;
    Wert werte(const Tabelle& t, int zeile) const override {
        const Wert x = a->werte(t, zeile);
        const Wert m = muster->werte(t, zeile);
        if (x.istNull() || m.istNull())
            return Wert::null();
        const bool r = x.art == Wert::Art::Text ? passtZuMuster(x.text, m.alsText())
                                                : passtZuMuster(x.alsText(), m.alsText());
        return Wert::wahrheit(r != nicht);
    }
};

struct IstNull : Kriterium::Knoten {
    KnotenPtr a;
    bool nicht = false;
    Wert werte(const Tabelle& t, int zeile) const override {
        return Wert::wahrheit(a->werte(t, zeile).istNull() != nicht);
    }
};

struct Funktion : Kriterium::Knoten {
    enum Art { Len, Trim, LTrim, RTrim, UCase, LCase } art;
    KnotenPtr a;
    Wert werte(const Tabelle& t, int zeile) const override {
        const Wert x = a->werte(t, zeile);
        if (x.istNull())
            return x;
        const QString s = x.alsText();
        const auto links = [](const QString& v) {
            qsizetype i = 0;
            while (i < v.size() && v.at(i) == u' ')
                ++i;
            return i;
        };
        const auto rechts = [](const QString& v) {
            qsizetype e = v.size();
            while (e > 0 && v.at(e - 1) == u' ')
                --e;
            return e;
        };
        switch (art) {
        case Len:
            return Wert::von(double(s.size()));
        case Trim: {
            const qsizetype l = links(s);
            if (l == s.size())
                return Wert::von(QString());
            const qsizetype r = rechts(s);
            return Wert::von(l == 0 && r == s.size() ? s : s.mid(l, r - l));
        }
        case LTrim:
            return Wert::von(s.mid(links(s)));
        case RTrim:
            return Wert::von(s.left(rechts(s)));
        case UCase:
            return Wert::von(s.toUpper());
        case LCase:
            return Wert::von(s.toLower());
        }
        return x;
    }
};

// ---------- Parser ----------

class Parser {
public:
    Parser(const QString& text, const Tabelle& tabelle, const QString& kriterium)
        : m_text(text), m_tabelle(tabelle), m_kriterium(kriterium), m_t(zerlege(text)) {}

    KnotenPtr ganz() {
        if (m_t.size() == 1)
            syntaxfehler(m_text, QStringLiteral("leer"));
        KnotenPtr k = oder();
        if (aktuell().art != Token::Art::Ende)
            fehler();
        return k;
    }

private:
    const Token& aktuell() const { return m_t[m_i]; }
    void weiter() {
        if (m_i + 1 < m_t.size())
            ++m_i;
    }
    [[noreturn]] void fehler() const {
        const Token& t = aktuell();
        if (t.art == Token::Art::Ende)
            syntaxfehler(m_text, QStringLiteral("unerwartetes Ende"));
        syntaxfehler(m_text, QStringLiteral("bei Zeichen %1").arg(t.pos + 1));
    }
    bool istOp(const char* op) const {
        return aktuell().art == Token::Art::Operator && aktuell().text == QLatin1String(op);
    }
    bool istKlammer(char c) const {
        return aktuell().art == Token::Art::Klammer && aktuell().text == QLatin1Char(c);
    }

    KnotenPtr oder() {
        KnotenPtr a = und();
        while (istWort(aktuell(), "OR")) {
            weiter();
            auto k = std::make_unique<Und>();
            k->oder = true;
            k->a = std::move(a);
            k->b = und();
            k->kriterium = m_kriterium;
            a = std::move(k);
        }
        return a;
    }
    KnotenPtr und() {
        KnotenPtr a = nicht();
        while (istWort(aktuell(), "AND")) {
            weiter();
            auto k = std::make_unique<Und>();
            k->a = std::move(a);
            k->b = nicht();
            k->kriterium = m_kriterium;
            a = std::move(k);
        }
        return a;
    }
    KnotenPtr nicht() {
        if (istWort(aktuell(), "NOT")) {
            weiter();
            auto k = std::make_unique<Nicht>();
            k->a = nicht();
            k->kriterium = m_kriterium;
            return k;
        }
        return vergleich();
    }
    KnotenPtr vergleich() {
        KnotenPtr a = summe();
        if (aktuell().art == Token::Art::Operator) {
            static const std::pair<const char*, Vergleich::Op> ops[] = {
                {"=", Vergleich::Gleich},   {"<>", Vergleich::Ungleich},
                {"<", Vergleich::Kleiner},  {"<=", Vergleich::KleinerGleich},
                {">", Vergleich::Groesser}, {">=", Vergleich::GroesserGleich}};
            for (const auto& [text, op] : ops)
                if (istOp(text)) {
                    weiter();
                    auto k = std::make_unique<Vergleich>();
                    k->op = op;
                    k->a = std::move(a);
                    k->b = summe();
                    k->kriterium = m_kriterium;
                    return k;
                }
        }
        bool nichtLike = false;
        if (istWort(aktuell(), "NOT") && m_i + 1 < m_t.size() && istWort(m_t[m_i + 1], "LIKE")) {
            nichtLike = true;
            weiter();
        }
        if (istWort(aktuell(), "LIKE")) {
            weiter();
            auto k = std::make_unique<Wie>();
            k->a = std::move(a);
            k->muster = summe();
            k->nicht = nichtLike;
            return k;
        }
        if (istWort(aktuell(), "IS")) {
            weiter();
            auto k = std::make_unique<IstNull>();
            if (istWort(aktuell(), "NOT")) {
                k->nicht = true;
                weiter();
            }
            if (!istWort(aktuell(), "NULL"))
                fehler();
            weiter();
            k->a = std::move(a);
            return k;
        }
        return a;
    }
    KnotenPtr summe() {
        KnotenPtr a = produkt();
        while (istOp("+") || istOp("-") || istOp("&")) {
            auto k = std::make_unique<Rechnung>();
            k->op = aktuell().text.at(0);
            weiter();
            k->a = std::move(a);
            k->b = produkt();
            k->kriterium = m_kriterium;
            a = std::move(k);
        }
        return a;
    }
    KnotenPtr produkt() {
        KnotenPtr a = einfach();
        while (istOp("*") || istOp("/")) {
            auto k = std::make_unique<Rechnung>();
            k->op = aktuell().text.at(0);
            weiter();
            k->a = std::move(a);
            k->b = einfach();
            k->kriterium = m_kriterium;
            a = std::move(k);
        }
        return a;
    }
    KnotenPtr einfach() {
        if (++m_tiefe > 200)
            syntaxfehler(m_text, QStringLiteral("zu tief geschachtelt"));
        struct Zurueck {
            int& t;
            ~Zurueck() { --t; }
        } zurueck{m_tiefe};

        const Token t = aktuell();
        switch (t.art) {
        case Token::Art::Zahl:
            weiter();
            return std::make_unique<Konstante>(Wert::von(t.zahl));
        case Token::Art::Text:
            weiter();
            return std::make_unique<Konstante>(Wert::von(t.text));
        case Token::Art::Klammer:
            if (t.text == u"(") {
                weiter();
                KnotenPtr k = oder();
                if (!istKlammer(')'))
                    fehler();
                weiter();
                return k;
            }
            fehler();
        case Token::Art::Operator:
            if (t.text == u"-") {
                weiter();
                auto k = std::make_unique<Minus>();
                k->a = einfach();
                k->kriterium = m_kriterium;
                return k;
            }
            if (t.text == u"+") {
                weiter();
                return einfach();
            }
            fehler();
        case Token::Art::Name:
            return name(t);
        case Token::Art::Ende:
            fehler();
        }
        fehler();
    }
    KnotenPtr name(const Token& t) {
        weiter();
        if (istWort(t, "TRUE") || istWort(t, "YES") || istWort(t, "ON"))
            return std::make_unique<Konstante>(Wert::wahrheit(true));
        if (istWort(t, "FALSE") || istWort(t, "NO") || istWort(t, "OFF"))
            return std::make_unique<Konstante>(Wert::wahrheit(false));
        if (istWort(t, "NULL"))
            return std::make_unique<Konstante>(Wert::null());
        for (const char* s : {"AND", "OR", "NOT", "LIKE", "IS"})
            if (istWort(t, s)) {
                --m_i;
                fehler();
            }
        if (istKlammer('(')) {
            static const std::pair<const char*, Funktion::Art> funktionen[] = {
                {"Len", Funktion::Len},     {"Trim", Funktion::Trim},   {"LTrim", Funktion::LTrim},
                {"RTrim", Funktion::RTrim}, {"UCase", Funktion::UCase}, {"LCase", Funktion::LCase}};
            for (const auto& [name, art] : funktionen)
                if (istWort(t, name)) {
                    weiter();
                    auto k = std::make_unique<Funktion>();
                    k->art = art;
                    k->a = oder();
                    if (!istKlammer(')'))
                        fehler();
                    weiter();
                    return k;
                }
            syntaxfehler(m_text, QStringLiteral("unbekannte Funktion %1").arg(t.text));
        }
        const int spalte = m_tabelle.spaltenIndex(t.text);
        if (spalte < 0)
            throw Laufzeitfehler(Laufzeitfehler::UnbekanntesFeld,
                                 QStringLiteral("Unbekanntes Feld „%1“ im Kriterium").arg(t.text),
                                 m_text);
        m_tabelle.spalte(spalte); // jetzt lesen: ein Lesefehler gehört zum Filtern
        return std::make_unique<Feld>(spalte);
    }

    const QString& m_text;
    const Tabelle& m_tabelle;
    QString m_kriterium;
    std::vector<Token> m_t;
    size_t m_i = 0;
    int m_tiefe = 0;
};

} // namespace

Kriterium::Kriterium(const QString& text, const Tabelle& tabelle)
    : m_text(text), m_tabelle(&tabelle) {
    Parser p(m_text, tabelle, m_text);
    m_wurzel = p.ganz();
}

Kriterium::~Kriterium() = default;
Kriterium::Kriterium(Kriterium&&) noexcept = default;
Kriterium& Kriterium::operator=(Kriterium&&) noexcept = default;

Wert Kriterium::werte(int zeile) const {
    return m_wurzel->werte(*m_tabelle, zeile);
}

bool Kriterium::trifftZu(int zeile) const {
    return werte(zeile).wahr();
}

namespace {

bool gleichOhneGross(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// passt ein Zeichen in die Auswahl ab muster[i] (nach "[")? j = Index nach "]"
bool inAuswahl(QChar c, QStringView m, qsizetype i, qsizetype& j, bool& gueltig) {
    qsizetype k = i;
    bool verneint = false;
    if (k < m.size() && m[k] == u'!') {
        verneint = true;
        ++k;
    }
    bool treffer = false;
    const qsizetype anfang = k;
    while (k < m.size() && (m[k] != u']' || k == anfang)) {
        if (k + 2 < m.size() && m[k + 1] == u'-' && m[k + 2] != u']') {
            const QChar a = m[k].toCaseFolded(), b = m[k + 2].toCaseFolded(), x = c.toCaseFolded();
            if (x >= a && x <= b)
                treffer = true;
            k += 3;
        } else {
            if (gleichOhneGross(c, m[k]))
                treffer = true;
            ++k;
        }
    }
    gueltig = k < m.size();
    j = k + 1;
    return treffer != verneint;
}

} // namespace

bool passtZuMuster(QStringView t, QStringView m) {
    // Rückverfolgung nur zum letzten "*": linear in der Praxis
    qsizetype ti = 0, mi = 0, sternM = -1, sternT = 0;
    while (ti < t.size()) {
        if (mi < m.size()) {
            const QChar mc = m[mi];
            if (mc == u'*') {
                sternM = mi++;
                sternT = ti;
                continue;
            }
            bool passt = false;
            qsizetype naechst = mi + 1;
            if (mc == u'?') {
                passt = true;
            } else if (mc == u'#') {
                passt = t[ti].isDigit();
            } else if (mc == u'[') {
                bool gueltig = false;
                passt = inAuswahl(t[ti], m, mi + 1, naechst, gueltig);
                if (!gueltig) { // "[" ohne "]" steht für sich
                    passt = t[ti] == u'[';
                    naechst = mi + 1;
                }
            } else {
                passt = gleichOhneGross(t[ti], mc);
            }
            if (passt) {
                ++ti;
                mi = naechst;
                continue;
            }
        }
        if (sternM < 0)
            return false;
        mi = sternM + 1;
        ti = ++sternT;
    }
    while (mi < m.size() && m[mi] == u'*')
        ++mi;
    return mi == m.size();
}

} // namespace varku::db
