// Guests read from the files people export: CSV in its usual dialects and
// encodings, vCards 3.0 and 4.0, and every kind of file that is no list
// refused with its line and reason, without a crash or a wait.

#include "lists/guest_csv.h"
#include "lists/guest_file.h"
#include "lists/guest_mapping.h"
#include "lists/import_error.h"
#include "lists/import_file.h"
#include "tests/support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace jubilo {
namespace {

struct Guest {
    int line;
    QStringList cells;
    bool operator==(const Guest&) const = default;
};

void PrintTo(const Guest& guest, std::ostream* os) { *os << guest.line << ": " << guest.cells.join('|').toStdString(); }

class GuestFileTest : public ::testing::Test {
protected:
    QString plant(const QByteArray& bytes, const QString& name = QStringLiteral("guests.csv"))
    {
        const QString path = dir.filePath(name);
        testing::writeFile(path, bytes);
        return path;
    }
    // The guests as the suggested mapping reads them; the problem, if any, as the last "guest".
    std::vector<Guest> guests(const QByteArray& bytes)
    {
        const GuestSource source = readGuestFile(plant(bytes));
        const MappedGuests mapped = mappedGuests(source.rows, source.mapping);
        std::vector<Guest> read;
        for (std::size_t i = 0; i < mapped.rows.size(); ++i)
            read.push_back({source.rows[i].line, mapped.rows[i]});
        if (mapped.problemLine)
            read.push_back({*mapped.problemLine, {mapped.problem}});
        return read;
    }
    // The line and reason a file is refused with; {-1, ""} when it is read.
    std::pair<int, QString> refusal(const QString& path)
    {
        try {
            readGuestFile(path);
        } catch (const ImportError& error) {
            return {error.line(), error.reason()};
        }
        return {-1, QString()};
    }
    QTemporaryDir dir;
};

TEST_F(GuestFileTest, CsvDialectsAndEncodingsReadAsTheGuestsTheyHold)
{
    const struct {
        QByteArray text;
        std::vector<Guest> guests;
    } cases[] = {
        {"\xEF\xBB\xBFName,Address,RSVP,Party size\r\nAnn Lee,\"1 Elm St, Town\",yes,2\r\n",
         {{2, {"Ann Lee", "1 Elm St, Town", "Yes", "2"}}}},
        {"Ann;Elm St, Town;No;3\nBob;Oak Rd\n",
         {{1, {"Ann", "Elm St, Town", "No", "3"}}, {2, {"Bob", "Oak Rd", "No", "1"}}}},
        {"E-mail\tHome Address\tFull Name\tComing?\n"
         "a@b.c\tOak Rd\tAnn\t YES \n",
         {{2, {"Ann", "Oak Rd", "Yes", "1"}}}},
        {"Zo\xEB M\xFC"
         "ller,Stra\xDF"
         "e 1\n\x80 club,\"Caf\xE9 \"\"Nord\"\"\"\n",
         {{1, {"Zoë Müller", "Straße 1", "No", "1"}}, {2, {"€ club", "Café \"Nord\"", "No", "1"}}}},
        {"Guest(s),Address\n\"Ann\",\"1 Elm St\r\nTown\"\n,,\n\nBob,\"Oak; Rd\"\n",
         {{2, {"Ann", "1 Elm St\r\nTown", "No", "1"}}, {6, {"Bob", "Oak; Rd", "No", "1"}}}},
        {"Name,Address,RSVP\nAnn,Elm,maybe\n", {{2, {"its \"RSVP?\" cell is \"maybe\", not \"Yes\" or \"No\""}}}},
        {"Name,Address\nAnn,Elm\n,Oak\n", {{3, {"its \"Guest(s)\" cell is empty"}}}},
        {"Address,Count\nElm,4\n", {{2, {"its \"Guest(s)\" cell is empty"}}}},
        {"Ann,Caf\xC3", {{1, {"Ann", "CafÃ", "No", "1"}}}},
        {"日本 太郎,東京\n", {{1, {"日本 太郎", "東京", "No", "1"}}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(guests(c.text), c.guests) << c.text.constData();
}

TEST_F(GuestFileTest, DelimiterIsToldFromTheFirstLinesOutsideQuotes)
{
    const struct {
        const char* start;
        char delimiter;
    } cases[] = {
        {"a,b,c\n1,2,3\n", ','},
        {"a;b;c\n1;2,5;3\n", ';'},
        {"a\tb\n1\t2, 3\n", '\t'},
        {"\"a,b,c\";d\n\"x,y\";z\n", ';'},
        {"Name;Address, Town\nAnn;Elm, Oak\nBob;Rd\n", ';'},
        {"single column\n", ','},
        {"a,b;c", ';'},
        {"", ','},
    };
    for (const auto& c : cases)
        EXPECT_EQ(detectedDelimiter(c.start), c.delimiter) << c.start;
}

TEST_F(GuestFileTest, HeaderNamesMapTheirColumnsAndTheirAbsenceMeansColumnsInOrder)
{
    EXPECT_EQ(suggestedMapping({"Notes", "Full  name", "Number in Party", "ADDRESS:", "RSVP?", "Name"}, 6).columns,
              (std::array<int, 4>{1, 3, 4, 2}));
    EXPECT_EQ(suggestedMapping({}, 2).columns, (std::array<int, 4>{0, 1, -1, -1}));
    EXPECT_FALSE(isHeaderRow({"Ann", "Elm St", "Yes", "2"}));
    const GuestSource source = readGuestFile(plant("Full Name;;Party size\nAnn;Elm;2\n"));
    EXPECT_EQ(source.columns, (QStringList{"Full Name", "Column 2", "Party size"}));
    EXPECT_EQ(source.format, "CSV, semicolon-separated, UTF-8, with a header row");
}

TEST_F(GuestFileTest, CsvThatIsNoListIsRefusedNamingTheLine)
{
    const struct {
        QByteArray text;
        int line;
        const char* reason;
    } cases[] = {
        {"Name,Address\nAnn,\"Elm\nBob,Oak\n", 2, "a quoted field is never closed"},
        {"Name,Address\nAnn,El\"m\n", 2, "a quote stands inside an unquoted field"},
        {"Ann,Elm\nBob,O\0ak\n"_qba, 2, "it holds a NUL byte, so it is no text file"},
        {"a,b\r\rc\0"_qba, 3, "it holds a NUL byte, so it is no text file"},
        {"Ann,Elm\n" + QByteArray(10 << 20, 'x') + "\n", 2, "a field is longer than 1 MB"},
        {"\xFF\xFEN\0a\0"_qba, 0, "the file is UTF-16 text; please save it as UTF-8 and import that"},
        {"Ann" + QByteArray(300, ',') + "\n", 1, "it has more than 256 columns"},
        {"Name,Address\n,,\n", 0, "it holds no guests"},
        {"", 0, "it holds no guests"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusal(plant(c.text)), std::make_pair(c.line, QString::fromUtf8(c.reason)))
            << c.text.left(30).constData();
}

TEST_F(GuestFileTest, MoreGuestsThanAListHoldsAreRefusedAtTheFirstOneTooMany)
{
    const QByteArray rows = QByteArray("Ann,Elm\n").repeated(PlanTable::kMaxRows + 1);
    EXPECT_EQ(refusal(plant(rows)),
              std::make_pair(PlanTable::kMaxRows + 1,
                             QStringLiteral("the file holds more than 32,767 guests, more than a list holds")));
    EXPECT_EQ(readGuestFile(plant(rows.first(rows.size() - 8))).rows.size(), std::size_t(PlanTable::kMaxRows));
}

TEST_F(GuestFileTest, VCardsOfVersionThreeAndFourReadOneGuestPerCard)
{
    const QByteArray cards
        = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nFN:Ann Lee\\, Jr.\r\n"
          "item1.ADR;TYPE=HOME:;Apt 4;1 Elm St\\nBack door;Spring\r\n field;IL;62701;\r\n"
          "ADR;TYPE=WORK:;;9 Work Rd;;;;\r\nNOTE:a\\;b\r\nEND:VCARD\r\n"
          "\r\n"
          "begin:vcard\nversion:4.0\nn:M\xC3\xBCller;Zo\xC3\xAB;;Dr.;\n"
          "adr;label=\"Home: 2 Oak Rd\";type=home:;;2 Oak Rd,Unit 5;Bern;;3000;Switzerland\nend:vcard\n"
          "BEGIN:VCARD\nVERSION:4.0\nFN;LANGUAGE=en:Bob\n  Smith\nEND:VCARD";
    const GuestSource source = readGuestFile(plant(cards, "contacts.vcf"));
    EXPECT_FALSE(source.mappable);
    EXPECT_EQ(source.format, "vCard 3.0, 4.0, UTF-8");
    EXPECT_EQ(mappedGuests(source.rows, source.mapping).rows,
              (std::vector<PlanRow>{{"Ann Lee, Jr.", "Apt 4, 1 Elm St, Back door, Springfield, IL, 62701", "No", "1"},
                                    {"Zoë Müller", "2 Oak Rd, Unit 5, Bern, 3000, Switzerland", "No", "1"},
                                    {"Bob Smith", "(no address)", "No", "1"}}));
    EXPECT_EQ((std::vector<int>{source.rows[0].line, source.rows[1].line, source.rows[2].line}),
              (std::vector<int>{1, 11, 16}));
    EXPECT_EQ(source.note,
              "Cards without an address: 1. Their \"Address\" reads \"(no address)\"; change it in the list.");
}

TEST_F(GuestFileTest, VCardsThatCannotBeReadAreRefusedNamingTheLine)
{
    const struct {
        QByteArray text;
        int line;
        const char* reason;
    } cases[] = {
        {"BEGIN:VCARD\nFN:Ann\nEND:VCARD\nBEGIN:VCARD\nVERSION:3.0\nEMAIL:x@y.z\nEND:VCARD\n", 4,
         "the card that starts here has no name (neither FN nor N)"},
        {"BEGIN:VCARD\nN:;;;;\nEND:VCARD\n", 1, "the card that starts here has no name (neither FN nor N)"},
        {"BEGIN:VCARD\nVERSION:2.1\nFN;ENCODING=QUOTED-PRINTABLE:Z=C3=B6e\nEND:VCARD\n", 3,
         "it is written in quoted-printable (vCard 2.1), which Jubilo does not read; please export the contacts as "
         "vCard 3.0 or 4.0"},
        {"BEGIN:VCARD\nFN:Ann\n", 1, "the card that starts here never ends (END:VCARD is missing)"},
        {"BEGIN:VCARD\nFN:Ann\nBEGIN:VCARD\n", 3, "a card begins inside another card"},
        {"BEGIN:VCARD\nFN:Ann\nEND:VCARD\nFN:Bob\n", 4, "it is outside any card (a card starts with BEGIN:VCARD)"},
        {"BEGIN:VCARD\nNOTE:" + QByteArray(2 << 20, 'x') + "\n", 2, "the line is longer than 1 MB"},
        {"BEGIN:VCARD\nNOTE:a\n " + QByteArray(2 << 20, 'x') + "\nEND:VCARD\n", 3, "the line is longer than 1 MB"},
        {"BEGIN:VCARD\nNOTE:a\n " + QByteArray(600 << 10, 'x') + "\n " + QByteArray(600 << 10, 'x') + "\n", 2,
         "the line is longer than 1 MB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusal(plant(c.text, "c.vcf")), std::make_pair(c.line, QString::fromUtf8(c.reason)))
            << c.text.left(60).constData();
}

TEST_F(GuestFileTest, NamesThatHoldNoListAreRefusedWithoutWaiting)
{
    const QString fifo = dir.filePath("pipe.csv");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString huge = dir.filePath("huge.csv");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxImportFileBytes + 1));  // sparse: no 100 MB written
    }
    EXPECT_EQ(refusal(dir.path()), std::make_pair(0, QStringLiteral("it is a folder, not a file")));
    EXPECT_EQ(refusal(dir.filePath("gone.csv")),
              std::make_pair(0, QStringLiteral("the file is not there (it may have been moved or deleted)")));
    EXPECT_EQ(refusal(fifo), std::make_pair(0, QStringLiteral("it is not a regular file")));
    EXPECT_EQ(refusal(huge), std::make_pair(0, QStringLiteral("the file is larger than 100 MB")));
    EXPECT_EQ(importErrorText("/tmp/g.csv", ImportError("a field is longer than 1 MB", 7)),
              "Guests cannot be imported from \"/tmp/g.csv\": line 7: a field is longer than 1 MB.");
}

}  // namespace
}  // namespace jubilo
