#include "platform/Kriterium.h"

#include "platform/Laufzeitfehler.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace varku::db {

namespace {

[[noreturn]] void syntaxfehler(const QString& betrifft, const QString& was) {
    throw Laufzeitfehler(Laufzeitfehler::Kriterium,
                         QStringLiteral("Syntaxfehler im Kriterium (%1)").arg(was), betrifft);
}

[[noreturn]] void typfehler(const QString& betrifft) {
    throw Laufzeitfehler(3464, QStringLiteral("Datentypen im Kriterium unverträglich"), betrifft);
}

// ---------- Zerlegen in Wörter ----------

struct Token {
    enum class Art { Ende, Zahl, Text, Name, Klammer, Operator } art = Art::Ende;
    QString text; // Name, Operator, Text ohne Anführungszeichen
    double zahl = 0;
    qsizetype pos = 0;
};

std::vector<Token> zerlege(const QString& s, const QString& betrifft) {
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
            tok.zahl = QStringView(s).mid(i, j - i).toDouble(&ok);
            if (!ok || !std::isfinite(tok.zahl))
                syntaxfehler(betrifft, QStringLiteral("Zahl"));
            i = j;
            if (i < n && (s.at(i).isLetter() || s.at(i) == u'_'))
                syntaxfehler(betrifft, QStringLiteral("Zahl mit Buchstaben"));
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
                syntaxfehler(betrifft, QStringLiteral("Text ohne Ende"));
            tok.art = Token::Art::Text;
            tok.text = text;
            i = j;
        } else if (c == u'[') {
            const qsizetype e = s.indexOf(u']', i + 1);
            if (e < 0 || e == i + 1)
                syntaxfehler(betrifft, QStringLiteral("Feldname in Klammern"));
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
        } else {
            // Operatoren und Klammern teilen sich feste Texte: nichts wird je Wort angelegt
            static const QString feste[] = {
                QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>"),
                QStringLiteral("="),  QStringLiteral("<"),  QStringLiteral(">"),
                QStringLiteral("+"),  QStringLiteral("-"),  QStringLiteral("*"),
                QStringLiteral("/"),  QStringLiteral("&"),  QStringLiteral("("),
                QStringLiteral(")"),  QStringLiteral(",")};
            const QStringView rest = QStringView(s).mid(i, 2);
            for (const QString& f : feste)
                if (rest.startsWith(f)) {
                    tok.text = f;
                    break;
                }
            if (tok.text.isEmpty())
                syntaxfehler(betrifft, QStringLiteral("Zeichen „%1“").arg(c));
            tok.art = tok.text.size() == 1 && QStringView(u"(),").contains(c)
                          ? Token::Art::Klammer
                          : Token::Art::Operator;
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

// was ein Auswerten braucht: die Zeilen und wie ein Fehler das Kriterium nennt
struct Umgebung {
    const Tabelle& tabelle;
    const QString& betrifft;
};

} // namespace

// ---------- Baum ----------

// Ketten stehen nebeneinander in einem Knoten, nicht ineinander: so ist der Baum höchstens so
// tief, wie Klammern und Funktionen schachteln, und jede Rekursion über ihn bleibt flach.
struct Kriterium::Knoten {
    virtual ~Knoten() = default;
    virtual Wert werte(const Umgebung& u, int zeile) const = 0;
};

namespace {

using KnotenPtr = std::unique_ptr<Kriterium::Knoten>;

struct Konstante : Kriterium::Knoten {
    Wert w;
    explicit Konstante(Wert x) : w(std::move(x)) {}
    Wert werte(const Umgebung&, int) const override { return w; }
};

struct Feld : Kriterium::Knoten {
    int spalte;
    explicit Feld(int s) : spalte(s) {}
    Wert werte(const Umgebung& u, int zeile) const override {
        return u.tabelle.wert(spalte, zeile);
    }
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
    Wert werte(const Umgebung& u, int zeile) const override {
        const Wert x = a->werte(u, zeile);
        if (x.istNull())
            return Wert::null();
        const Wert y = b->werte(u, zeile);
        if (y.istNull())
            return Wert::null();
        int c = 0;
        if (x.art == Wert::Art::Text && y.art == Wert::Art::Text) {
            c = x.text.compare(y.text, Qt::CaseInsensitive);
        } else {
            double p = 0, q = 0;
            if (!alsZahl(x, p) || !alsZahl(y, q))
                typfehler(u.betrifft);
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

// x op y in x; Null bleibt Null, nur & macht aus Null den leeren Text
void verknuepfe(char16_t op, Wert& x, const Wert& y, const Umgebung& u) {
    if (op == u'&') {
        if (x.istNull() && y.istNull())
            return;
        // an denselben Text anhängen: eine lange Kette kostet so nur linear viel
        QString s = x.art == Wert::Art::Text ? std::move(x.text) : x.alsText();
        s += y.alsText();
        x.art = Wert::Art::Text;
        x.zahl = 0;
        x.text = std::move(s);
        return;
    }
    if (x.istNull())
        return;
    if (y.istNull()) {
        x = Wert::null();
        return;
    }
    double p = 0, q = 0;
    if (!alsZahl(x, p) || !alsZahl(y, q))
        typfehler(u.betrifft);
    switch (op) {
    case u'+':
        x = Wert::von(p + q);
        break;
    case u'-':
        x = Wert::von(p - q);
        break;
    case u'*':
        x = Wert::von(p * q);
        break;
    default:
        if (q == 0)
            throw Laufzeitfehler(Laufzeitfehler::DivisionDurchNull,
                                 QStringLiteral("Division durch Null"), u.betrifft);
        x = Wert::von(p / q);
    }
}

// a op1 b op2 c …, von links nach rechts; jedes Glied wird ausgewertet, auch nach Null
struct Rechnung : Kriterium::Knoten {
    std::vector<KnotenPtr> glieder;
    std::vector<char16_t> ops; // ops[i] steht vor glieder[i + 1]
    Wert werte(const Umgebung& u, int zeile) const override {
        Wert x = glieder.front()->werte(u, zeile);
        for (size_t i = 0; i < ops.size(); ++i)
            verknuepfe(ops[i], x, glieder[i + 1]->werte(u, zeile), u);
        return x;
    }
};

// eine Folge von Vorzeichen: nur ob die Zahl der Minus ungerade ist, zählt
struct Minus : Kriterium::Knoten {
    KnotenPtr a;
    bool ungerade = true;
    Wert werte(const Umgebung& u, int zeile) const override {
        const Wert x = a->werte(u, zeile);
        if (x.istNull())
            return x;
        double p = 0;
        if (!alsZahl(x, p))
            typfehler(u.betrifft);
        return Wert::von(ungerade ? -p : p);
    }
};

// dreiwertige Logik: wahr, falsch, unbestimmt (Null)
enum class Logik { Falsch, Wahr, Unbestimmt };

Logik logik(const Wert& w, const QString& betrifft) {
    if (w.istNull())
        return Logik::Unbestimmt;
    double z = 0;
    if (!alsZahl(w, z))
        typfehler(betrifft);
    return z != 0 ? Logik::Wahr : Logik::Falsch;
}

Wert alsWert(Logik l) {
    return l == Logik::Unbestimmt ? Wert::null() : Wert::wahrheit(l == Logik::Wahr);
}

// a AND b AND … (oder mit OR): von links, bis ein Glied das Ergebnis entscheidet
struct Und : Kriterium::Knoten {
    bool oder = false;
    std::vector<KnotenPtr> glieder;
    Wert werte(const Umgebung& u, int zeile) const override {
        const Logik entscheidet = oder ? Logik::Wahr : Logik::Falsch;
        Logik sonst = oder ? Logik::Falsch : Logik::Wahr;
        for (const KnotenPtr& g : glieder) {
            const Logik x = logik(g->werte(u, zeile), u.betrifft);
            if (x == entscheidet)
                return alsWert(x);
            if (x == Logik::Unbestimmt)
                sonst = Logik::Unbestimmt;
        }
        return alsWert(sonst);
    }
};

// eine Folge von NOT: gerade viele machen aus dem Wert nur einen Wahrheitswert
struct Nicht : Kriterium::Knoten {
    KnotenPtr a;
    bool ungerade = true;
    Wert werte(const Umgebung& u, int zeile) const override {
        const Logik x = logik(a->werte(u, zeile), u.betrifft);
        if (x == Logik::Unbestimmt)
            return Wert::null();
        return Wert::wahrheit((x == Logik::Wahr) != ungerade);
    }
};

struct Wie : Kriterium::Knoten {
    KnotenPtr a, muster;
    std::unique_ptr<Muster> fest; // ein festes Muster wird nur einmal übersetzt
    bool nicht = false;
    Wert werte(const Umgebung& u, int zeile) const override {
        const Wert x = a->werte(u, zeile);
        if (x.istNull())
            return Wert::null();
        // ein festes Muster ist nie Null
        const Wert m = fest ? Wert() : muster->werte(u, zeile);
        if (!fest && m.istNull())
            return Wert::null();
        const QString text = x.alsText();
        try {
            const bool r = fest ? fest->passt(text) : Muster(m.alsText()).passt(text);
            return Wert::wahrheit(r != nicht);
        } catch (const Laufzeitfehler& f) {
            throw Laufzeitfehler(f.nummer(), f.text(), u.betrifft); // nennt das Kriterium
        }
    }
};

struct IstNull : Kriterium::Knoten {
    KnotenPtr a;
    bool nicht = false;
    Wert werte(const Umgebung& u, int zeile) const override {
        return Wert::wahrheit(a->werte(u, zeile).istNull() != nicht);
    }
};

struct Funktion : Kriterium::Knoten {
    enum Art { Len, Trim, LTrim, RTrim, UCase, LCase } art;
    KnotenPtr a;
    Wert werte(const Umgebung& u, int zeile) const override {
        const Wert x = a->werte(u, zeile);
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

// Rekursiver Abstieg nur in Klammern und Funktionen hinein (höchstens hoechsteTiefe tief);
// Ketten und Folgen von NOT und Vorzeichen liest er in Schleifen.
class Parser {
public:
    Parser(const QString& text, const Tabelle& tabelle, const QString& betrifft)
        : m_tabelle(tabelle), m_betrifft(betrifft), m_t(zerlege(text, betrifft)) {}

    KnotenPtr ganz() {
        if (m_t.size() == 1)
            syntaxfehler(m_betrifft, QStringLiteral("leer"));
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
            syntaxfehler(m_betrifft, QStringLiteral("unerwartetes Ende"));
        syntaxfehler(m_betrifft, QStringLiteral("bei Zeichen %1").arg(t.pos + 1));
    }
    bool istOp(const char* op) const {
        return aktuell().art == Token::Art::Operator && aktuell().text == QLatin1String(op);
    }
    bool istKlammer(char c) const {
        return aktuell().art == Token::Art::Klammer && aktuell().text == QLatin1Char(c);
    }

    // eine Ebene tiefer in Klammern oder eine Funktion
    struct Ebene {
        Parser& p;
        explicit Ebene(Parser& parser) : p(parser) {
            if (++p.m_tiefe > Kriterium::hoechsteTiefe)
                syntaxfehler(p.m_betrifft, QStringLiteral("zu tief geschachtelt"));
        }
        ~Ebene() { --p.m_tiefe; }
        Ebene(const Ebene&) = delete;
        Ebene& operator=(const Ebene&) = delete;
    };

    KnotenPtr logikKette(bool oder) {
        const char* wort = oder ? "OR" : "AND";
        KnotenPtr a = oder ? und() : nicht();
        if (!istWort(aktuell(), wort))
            return a;
        auto k = std::make_unique<Und>();
        k->oder = oder;
        k->glieder.push_back(std::move(a));
        while (istWort(aktuell(), wort)) {
            weiter();
            k->glieder.push_back(oder ? und() : nicht());
        }
        return k;
    }
    KnotenPtr oder() { return logikKette(true); }
    KnotenPtr und() { return logikKette(false); }

    KnotenPtr nicht() {
        size_t anzahl = 0;
        while (istWort(aktuell(), "NOT")) {
            ++anzahl;
            weiter();
        }
        KnotenPtr a = vergleich();
        if (anzahl == 0)
            return a;
        auto k = std::make_unique<Nicht>();
        k->a = std::move(a);
        k->ungerade = anzahl % 2 == 1;
        return k;
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
            if (const auto* m = dynamic_cast<const Konstante*>(k->muster.get());
                m && !m->w.istNull()) {
                try {
                    k->fest = std::make_unique<Muster>(m->w.alsText());
                } catch (const Laufzeitfehler& f) {
                    throw Laufzeitfehler(f.nummer(), f.text(), m_betrifft);
                }
            }
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
    // Glieder mit den Operatoren ops, von links nach rechts
    KnotenPtr rechenKette(bool summe) {
        const auto istKettenOp = [&] {
            return summe ? (istOp("+") || istOp("-") || istOp("&")) : (istOp("*") || istOp("/"));
        };
        KnotenPtr a = summe ? produkt() : vorzeichen();
        if (!istKettenOp())
            return a;
        auto k = std::make_unique<Rechnung>();
        k->glieder.push_back(std::move(a));
        while (istKettenOp()) {
            k->ops.push_back(aktuell().text.at(0).unicode());
            weiter();
            k->glieder.push_back(summe ? produkt() : vorzeichen());
        }
        return k;
    }
    KnotenPtr summe() { return rechenKette(true); }
    KnotenPtr produkt() { return rechenKette(false); }

    KnotenPtr vorzeichen() {
        size_t minus = 0;
        while (istOp("-") || istOp("+")) {
            if (istOp("-"))
                ++minus;
            weiter();
        }
        KnotenPtr a = einfach();
        if (minus == 0)
            return a;
        auto k = std::make_unique<Minus>();
        k->a = std::move(a);
        k->ungerade = minus % 2 == 1;
        return k;
    }
    KnotenPtr einfach() {
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
                const Ebene ebene(*this);
                weiter();
                KnotenPtr k = oder();
                if (!istKlammer(')'))
                    fehler();
                weiter();
                return k;
            }
            fehler();
        case Token::Art::Name:
            return name(t);
        case Token::Art::Operator:
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
                    const Ebene ebene(*this);
                    weiter();
                    auto k = std::make_unique<Funktion>();
                    k->art = art;
                    k->a = oder();
                    if (!istKlammer(')'))
                        fehler();
                    weiter();
                    return k;
                }
            syntaxfehler(m_betrifft,
                         QStringLiteral("unbekannte Funktion %1").arg(gekuerzt(t.text)));
        }
        const int spalte = m_tabelle.spaltenIndex(t.text);
        if (spalte < 0)
            throw Laufzeitfehler(
                Laufzeitfehler::UnbekanntesFeld,
                QStringLiteral("Unbekanntes Feld „%1“ im Kriterium").arg(gekuerzt(t.text)),
                m_betrifft);
        m_tabelle.spalte(spalte); // jetzt lesen: ein Lesefehler gehört zum Filtern
        return std::make_unique<Feld>(spalte);
    }

    const Tabelle& m_tabelle;
    const QString& m_betrifft;
    std::vector<Token> m_t;
    size_t m_i = 0;
    int m_tiefe = 0;
};

QString nenne(const QString& text, const Tabelle& tabelle) {
    if (tabelle.datei.isEmpty())
        return gekuerzt(text);
    return gekuerzt(text) + QStringLiteral(" (") + tabelle.herkunft() + QLatin1Char(')');
}

} // namespace

QString gekuerzt(const QString& kriterium) {
    constexpr qsizetype laenge = 80;
    if (kriterium.size() <= laenge)
        return kriterium;
    // kein halbes Ersatzzeichenpaar am Schnitt
    const qsizetype n = kriterium.at(laenge - 1).isHighSurrogate() ? laenge - 1 : laenge;
    return kriterium.left(n) + QStringLiteral("…");
}

Kriterium::Kriterium(const QString& text, const Tabelle& tabelle)
    : m_text(text), m_betrifft(nenne(text, tabelle)), m_tabelle(&tabelle) {
    if (m_text.size() > hoechsteLaenge)
        throw Laufzeitfehler(
            Laufzeitfehler::Kriterium,
            QStringLiteral("Kriterium zu lang (mehr als %1 Zeichen)").arg(hoechsteLaenge),
            m_betrifft);
    Parser p(m_text, tabelle, m_betrifft);
    m_wurzel = p.ganz();
}

Kriterium::~Kriterium() = default;
Kriterium::Kriterium(Kriterium&&) noexcept = default;
Kriterium& Kriterium::operator=(Kriterium&&) noexcept = default;

Wert Kriterium::werte(int zeile) const {
    return m_wurzel->werte(Umgebung{*m_tabelle, m_betrifft}, zeile);
}

bool Kriterium::trifftZu(int zeile) const {
    return werte(zeile).wahr();
}

// ---------- Like ----------

namespace {

char16_t gefaltet(QChar c) {
    return char16_t(c.toCaseFolded().unicode());
}

void setzeBit(std::vector<uint64_t>& v, unsigned i) {
    v[i / 64] |= uint64_t(1) << (i % 64);
}

} // namespace

Muster::Muster(QStringView m) {
    const qsizetype n = m.size();
    if (n > hoechsteLaenge)
        throw Laufzeitfehler(
            Laufzeitfehler::Kriterium,
            QStringLiteral("Like-Muster zu lang (mehr als %1 Zeichen)").arg(hoechsteLaenge),
            gekuerzt(m.left(81).toString()));
    // naechsteZu[i]: die erste "]" ab i; so findet jede "[" ihr Ende ohne erneutes Suchen
    std::vector<qsizetype> naechsteZu(size_t(n) + 1, n);
    for (qsizetype i = n - 1; i >= 0; --i)
        naechsteZu[size_t(i)] = m[i] == u']' ? i : naechsteZu[size_t(i) + 1];

    // erst die Teile zählen und einordnen, dann die Bitmengen füllen
    enum class Art : unsigned char { Zeichen, Beliebig, Ziffer, Stern, Auswahl };
    std::vector<std::pair<Art, char16_t>> teile;
    struct Spanne {
        char16_t von, bis; // gefaltet, einschließlich
    };
    struct Auswahl {
        unsigned teil;
        unsigned von, bis; // Spannen in spannen
        bool verneint;
    };
    std::vector<Spanne> spannen;
    std::vector<Auswahl> auswahlen;
    teile.reserve(size_t(n));
    qsizetype i = 0;
    while (i < n) {
        const QChar c = m[i];
        if (c == u'*') {
            teile.push_back({Art::Stern, 0});
        } else if (c == u'?') {
            teile.push_back({Art::Beliebig, 0});
        } else if (c == u'#') {
            teile.push_back({Art::Ziffer, 0});
        } else if (c == u'[') {
            // eine "]" gleich am Anfang (nach "!") gehört zur Auswahl, erst die nächste schließt
            qsizetype anfang = i + 1;
            if (anfang < n && m[anfang] == u'!')
                ++anfang;
            const qsizetype zu = anfang < n ? naechsteZu[size_t(anfang) + 1] : n;
            if (zu < n) {
                Auswahl a{0, unsigned(spannen.size()), 0, anfang > i + 1};
                for (qsizetype k = anfang; k < zu;) {
                    if (k + 2 < zu && m[k + 1] == u'-') {
                        spannen.push_back({gefaltet(m[k]), gefaltet(m[k + 2])});
                        k += 3;
                    } else {
                        spannen.push_back({gefaltet(m[k]), gefaltet(m[k])});
                        ++k;
                    }
                }
                a.bis = unsigned(spannen.size());
                auswahlen.push_back(a);
                teile.push_back({Art::Auswahl, 0});
                i = zu + 1;
                continue;
            }
            teile.push_back({Art::Zeichen, u'['}); // "[" ohne "]" steht für sich
        } else {
            teile.push_back({Art::Zeichen, gefaltet(c)});
        }
        ++i;
    }

    for (const auto& [art, zeichen] : teile)
        m_teile += art != Art::Stern;
    m_worte = m_teile / 64 + 1;
    m_nurStuecke = std::all_of(teile.begin(), teile.end(), [](const auto& t) {
        return t.first == Art::Zeichen || t.first == Art::Stern;
    });
    if (m_nurStuecke) {
        m_sternVorn = !teile.empty() && teile.front().first == Art::Stern;
        m_sternHinten = !teile.empty() && teile.back().first == Art::Stern;
        std::u16string stueck;
        for (const auto& [art, zeichen] : teile) {
            if (art == Art::Zeichen) {
                stueck += zeichen;
            } else if (!stueck.empty()) {
                m_stuecke.push_back(std::move(stueck));
                stueck.clear();
            }
        }
        if (!stueck.empty())
            m_stuecke.push_back(std::move(stueck));
    }
    m_beliebig.assign(m_worte, 0);
    m_ziffer.assign(m_worte, 0);
    m_schleife.assign(m_worte, 0);
    unsigned teil = 0;
    size_t auswahl = 0;
    for (size_t t = 0; t < teile.size(); ++t) {
        const auto [art, zeichen] = teile[t];
        switch (art) {
        case Art::Stern:
            m_stern = true;
            setzeBit(m_schleife, teil);
            continue;
        case Art::Beliebig:
            setzeBit(m_beliebig, teil);
            break;
        case Art::Ziffer:
            setzeBit(m_ziffer, teil);
            break;
        case Art::Zeichen:
            m_zeichen.push_back({zeichen, teil});
            break;
        case Art::Auswahl:
            auswahlen[auswahl++].teil = teil;
            break;
        }
        ++teil;
    }
    std::sort(m_zeichen.begin(), m_zeichen.end());
    if (auswahlen.empty())
        return;

    // Die Grenzen aller Spannen teilen die Zeichen in Abschnitte, in denen jede Auswahl gleich
    // entscheidet. Für jeden Abschnitt einmal die Bitmenge der annehmenden Auswahlen: so kostet
    // ein Zeichen des Textes später nur eine Suche, wie viele Auswahlen das Muster auch hat.
    struct Ereignis {
        char32_t stelle;
        unsigned auswahl;
        int schritt; // +1: eine Spanne beginnt, -1: sie endet davor
    };
    std::vector<Ereignis> ereignisse;
    std::vector<uint64_t> verneint(m_worte, 0);
    for (unsigned a = 0; a < auswahlen.size(); ++a) {
        if (auswahlen[a].verneint)
            setzeBit(verneint, auswahlen[a].teil);
        for (unsigned k = auswahlen[a].von; k < auswahlen[a].bis; ++k)
            if (spannen[k].von <= spannen[k].bis) { // [z-a] nimmt nichts
                ereignisse.push_back({spannen[k].von, a, +1});
                ereignisse.push_back({char32_t(spannen[k].bis) + 1, a, -1});
            }
    }
    std::sort(ereignisse.begin(), ereignisse.end(),
              [](const Ereignis& x, const Ereignis& y) { return x.stelle < y.stelle; });
    std::vector<int> ueberdeckt(auswahlen.size(), 0);
    std::vector<uint64_t> drin(m_worte, 0);
    m_auswahlMasken = verneint; // unter der ersten Grenze
    for (size_t e = 0; e < ereignisse.size();) {
        const char32_t stelle = ereignisse[e].stelle;
        for (; e < ereignisse.size() && ereignisse[e].stelle == stelle; ++e) {
            const Ereignis& x = ereignisse[e];
            const int vorher = ueberdeckt[x.auswahl];
            ueberdeckt[x.auswahl] += x.schritt;
            if ((vorher == 0) != (ueberdeckt[x.auswahl] == 0)) {
                const unsigned t = auswahlen[x.auswahl].teil;
                drin[t / 64] ^= uint64_t(1) << (t % 64);
            }
        }
        m_grenzen.push_back(stelle);
        for (size_t w = 0; w < m_worte; ++w)
            m_auswahlMasken.push_back(drin[w] ^ verneint[w]);
    }
}

void Muster::annehmende(char16_t c, uint64_t* maske) const {
    const bool ziffer = QChar(c).isDigit();
    for (size_t w = 0; w < m_worte; ++w)
        maske[w] = m_beliebig[w] | (ziffer ? m_ziffer[w] : 0);
    const auto anfang =
        std::lower_bound(m_zeichen.begin(), m_zeichen.end(), std::pair<char16_t, unsigned>(c, 0));
    for (auto z = anfang; z != m_zeichen.end() && z->first == c; ++z)
        maske[z->second / 64] |= uint64_t(1) << (z->second % 64);
    if (!m_auswahlMasken.empty()) {
        const size_t abschnitt = size_t(
            std::upper_bound(m_grenzen.begin(), m_grenzen.end(), char32_t(c)) - m_grenzen.begin());
        const uint64_t* a = m_auswahlMasken.data() + abschnitt * m_worte;
        for (size_t w = 0; w < m_worte; ++w)
            maske[w] |= a[w];
    }
}

bool Muster::passtStuecke(QStringView text) const {
    const qsizetype tn = text.size();
    const auto gleich = [&](qsizetype an, const std::u16string& stueck) {
        for (size_t k = 0; k < stueck.size(); ++k)
            if (gefaltet(text[an + qsizetype(k)]) != stueck[k])
                return false;
        return true;
    };
    if (m_stuecke.empty())
        return m_stern || tn == 0;
    const std::u16string& erstes = m_stuecke.front();
    const std::u16string& letztes = m_stuecke.back();
    if (!m_stern)
        return tn == qsizetype(erstes.size()) && gleich(0, erstes);
    size_t von = 0, bis = m_stuecke.size();
    qsizetype pos = 0, ende = tn;
    if (!m_sternVorn) {
        if (tn < qsizetype(erstes.size()) || !gleich(0, erstes))
            return false;
        pos = qsizetype(erstes.size());
        ++von;
    }
    if (!m_sternHinten) {
        const qsizetype an = tn - qsizetype(letztes.size());
        if (an < pos || !gleich(an, letztes))
            return false;
        ende = an;
        --bis;
    }
    for (size_t i = von; i < bis; ++i) {
        const std::u16string& stueck = m_stuecke[i];
        const qsizetype n = qsizetype(stueck.size());
        qsizetype an = pos;
        while (an + n <= ende && !gleich(an, stueck))
            ++an;
        if (an + n > ende)
            return false;
        pos = an + n;
    }
    return true;
}

bool Muster::passt(QStringView text) const {
    const qsizetype tn = text.size();
    if (tn > hoechsteTextlaenge)
        throw Laufzeitfehler(
            Laufzeitfehler::Kriterium,
            QStringLiteral("Text für Like zu lang (mehr als %1 Zeichen)").arg(hoechsteTextlaenge),
            gekuerzt(text.left(81).toString()));
    // jeder Teil außer "*" nimmt genau ein Zeichen
    if (tn < qsizetype(m_teile) || (!m_stern && tn != qsizetype(m_teile)))
        return false;
    // ein kurzer Text wie ein Wort: Stück für Stück ist schneller, und Text mal Muster bleibt klein
    constexpr qsizetype kurzesWort = 64;
    if (m_nurStuecke && tn <= kurzesWort)
        return passtStuecke(text);
    const size_t ende = m_teile / 64;
    const uint64_t endBit = uint64_t(1) << (m_teile % 64);
    const bool endSchleife = m_schleife[ende] & endBit;

    QVarLengthArray<uint64_t, 8> zustandPuffer(qsizetype(m_worte), 0);
    QVarLengthArray<uint64_t, 8> maskePuffer(qsizetype(m_worte), 0);
    uint64_t* zustand = zustandPuffer.data();
    const uint64_t* schleife = m_schleife.data();
    zustand[0] = 1;
    // nur die Wörter von unten bis oben können Bits tragen
    size_t unten = 0, oben = 0;

    // Bei langen Texten die Bitmenge je Zeichen nur einmal bilden, solange der Speicher reicht.
    constexpr qsizetype kurzerText = 64;
    constexpr size_t speicherGrenze = size_t(1) << 22; // Wörter
    std::unordered_map<char16_t, size_t> bekannt;
    std::vector<uint64_t> speicher;

    for (qsizetype ti = 0; ti < tn; ++ti) {
        const char16_t c = gefaltet(text[ti]);
        const uint64_t* a = maskePuffer.data();
        if (tn <= kurzerText) {
            annehmende(c, maskePuffer.data());
        } else {
            auto gefunden = bekannt.find(c);
            if (gefunden == bekannt.end()) {
                if (speicher.size() + m_worte > speicherGrenze) {
                    bekannt.clear();
                    speicher.clear();
                }
                gefunden = bekannt.emplace(c, speicher.size()).first;
                speicher.resize(speicher.size() + m_worte);
                annehmende(c, speicher.data() + gefunden->second);
            }
            a = speicher.data() + gefunden->second;
        }
        // Zustand i geht weiter nach i + 1, wenn Teil i das Zeichen nimmt, und bleibt, wenn
        // vor Teil i ein "*" steht
        const size_t bis = std::min(oben + 1, m_worte - 1);
        uint64_t uebertrag = 0;
        for (size_t w = unten; w <= bis; ++w) {
            const uint64_t z = zustand[w];
            const uint64_t weiter = z & a[w];
            zustand[w] = (weiter << 1) | uebertrag | (z & schleife[w]);
            uebertrag = weiter >> 63;
        }
        oben = bis;
        while (oben > unten && zustand[oben] == 0)
            --oben;
        while (unten < oben && zustand[unten] == 0)
            ++unten;
        if (zustand[unten] == 0)
            return false; // keine Stelle passt mehr
        if (endSchleife && (zustand[ende] & endBit))
            return true; // der letzte "*" nimmt den Rest
    }
    return zustand[ende] & endBit;
}

bool passtZuMuster(QStringView text, QStringView muster) {
    return Muster(muster).passt(text);
}

} // namespace varku::db
