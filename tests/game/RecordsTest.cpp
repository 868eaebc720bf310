// "Najlepsi dyrektorzy": ten best terms per length, kept as text that may
// come back damaged.
#include <gtest/gtest.h>

#include <string>

#include "Records.h"

namespace dzwonex::testing {
namespace {

RecordRow Row(const std::string& user, int32_t rating) { return {user, "2026-12-07", 42, rating}; }

std::vector<std::string> Users(const Records& records, int32_t years) {
    std::vector<std::string> users;
    for (const RecordRow& row : records.Table(years)) users.push_back(row.user);
    return users;
}

TEST(Records, KeepTheTenBestOfEachLengthTheEarlierOfEqualsAhead) {
    Records records;
    EXPECT_EQ(records.Enter(5, Row("a", 500)), 1);
    EXPECT_EQ(records.Enter(5, Row("b", 700)), 1);
    EXPECT_EQ(records.Enter(5, Row("c", 500)), 3);  // after the earlier 500
    EXPECT_EQ(records.Enter(1, Row("x", 100)), 1);  // a table of its own
    EXPECT_EQ(Users(records, 5), (std::vector<std::string>{"b", "a", "c"}));
    for (int i = 0; i < 7; ++i) records.Enter(5, Row("d" + std::to_string(i), 600));
    EXPECT_EQ(records.Table(5).size(), 10u);
    // Full: a rating below the tenth, or equal to it, stays out and changes nothing.
    const Records full = records;
    EXPECT_EQ(records.PlaceFor(5, 500), 0);
    EXPECT_EQ(records.Enter(5, Row("late", 500)), 0);
    EXPECT_EQ(records, full);
    // A better one enters and the tenth leaves.
    EXPECT_EQ(records.PlaceFor(5, 650), 2);
    EXPECT_EQ(records.Enter(5, Row("e", 650)), 2);
    EXPECT_EQ(records.Table(5).size(), 10u);
    EXPECT_EQ(records.Table(5).back().user, "a");
    // No table for a length that is not offered.
    EXPECT_EQ(records.Enter(3, Row("z", 999)), 0);
    EXPECT_TRUE(records.Table(3).empty());
    // Texts are bounded, and not cut inside a letter.
    std::string longName;
    for (int i = 0; i < 200; ++i) longName += "ż";
    records.Enter(2, Row(longName, 1));
    EXPECT_EQ(records.Table(2)[0].user, longName.substr(0, 254));
}

TEST(Records, OnlyATermServedToItsEndEnters) {
    Term served = Term::Start(2, 0), dismissed = Term::Start(2, 0), running = Term::Start(2, 0);
    served.end = TermEnd::Completed;
    served.finalRating.total = 812;
    dismissed.end = TermEnd::Dismissed;
    dismissed.finalRating.total = 900;
    running.finalRating.total = 950;
    Records records;
    EXPECT_EQ(records.EnterTerm(dismissed, "Jan", "2026-12-07", 7), 0);
    EXPECT_EQ(records.EnterTerm(running, "Jan", "2026-12-07", 7), 0);
    EXPECT_EQ(records.EnterTerm(served, "Jan", "2026-12-07", 7), 1);
    EXPECT_EQ(records.Table(2), (std::vector<RecordRow>{{"Jan", "2026-12-07", 7, 812}}));
}

TEST(Records, ComeBackFromTheirText) {
    Records records;
    records.Enter(1, {"Zażółć \"gęślą\" jaźń", "2026-12-07", 4294967295u, 1000});
    records.Enter(10, {"", "", 0, 0});
    for (int i = 0; i < 10; ++i) records.Enter(5, Row("p" + std::to_string(i), 100 * i));
    EXPECT_EQ(RecordsFromJson(RecordsToJson(records)), records);
    EXPECT_EQ(RecordsFromJson(R"({"tables":{}})"), Records{});
    // A table of more than ten keeps its best ten, best first.
    std::string many = R"({"tables":{"2":[)";
    for (int i = 0; i < 12; ++i)
        many += std::string(i ? "," : "") + R"({"user":"u)" + std::to_string(i) + R"(","date":"d","seed":1,"rating":)" +
                std::to_string(i) + "}";
    const Records read = RecordsFromJson(many + "]}}");
    ASSERT_EQ(read.Table(2).size(), 10u);
    EXPECT_EQ(read.Table(2).front().user, "u11");
    EXPECT_EQ(read.Table(2).back().user, "u2");
}

TEST(Records, ADamagedTextIsRefusedWithTheReason) {
    const std::string row = R"({"user":"a","date":"d","seed":1,"rating":5})";
    const struct {
        std::string text;
        const char* reason;
    } rows[] = {
        {"", "not JSON"},
        {"{\"tables\":{\"5\":[", "not JSON"},
        {std::string(100000, '['), "larger than 64 KiB"},
        {std::string(40000, '[') + std::string(40000, ']'), "larger than"},
        {std::string(20000, '[') + std::string(20000, ']'), "no \"tables\""},
        {"[]", "no \"tables\""},
        {R"({"tables":[]})", "no \"tables\""},
        {R"({"tables":{"5":{}}})", "the 5-year table is not a list"},
        {R"({"tables":{"5":[7]}})", "row 1 of the 5-year table is not an object"},
        {R"({"tables":{"1":[)" + row + R"(,{"user":3,"date":"d","seed":1,"rating":5}]}})",
         "row 2 of the 1-year table: \"user\" is not a text"},
        {R"({"tables":{"2":[{"user":"a","seed":1,"rating":5}]}})", "\"date\" is not a text"},
        {R"({"tables":{"2":[{"user":"a","date":"d","seed":-1,"rating":5}]}})", "\"seed\" is not a whole number"},
        {R"({"tables":{"2":[{"user":"a","date":"d","seed":4294967296,"rating":5}]}})", "\"seed\""},
        {R"({"tables":{"2":[{"user":"a","date":"d","seed":1,"rating":1001}]}})", "\"rating\" is not a whole number"},
        {R"({"tables":{"2":[{"user":"a","date":"d","seed":1,"rating":2.5}]}})", "\"rating\""},
        {R"({"tables":{"2":[{"user":"a","date":"d","seed":1}]}})", "\"rating\""},
        {R"({"tables":{"2":[{"user":")" + std::string(256, 'x') + R"(","date":"d","seed":1,"rating":5}]}})",
         "\"user\" is longer than 255 bytes"},
    };
    for (const auto& r : rows) {
        try {
            RecordsFromJson(r.text);
            ADD_FAILURE() << "taken: " << r.text.substr(0, 80);
        } catch (const RecordsError& e) {
            EXPECT_NE(std::string(e.what()).find(r.reason), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace dzwonex::testing
