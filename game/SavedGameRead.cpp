// Reads a saved game's text with the library's event (SAX) parser straight
// into a snapshot. No document tree is built, so memory stays within a few
// times the file's size; nesting is limited; a declared count is checked
// against what the file can hold before anything is reserved; after the
// first fault nothing more is kept, so a hostile file cannot grow the reader.
#include <limits>

#include <nlohmann/json.hpp>

#include "SavedGame.h"

namespace dzwonex {

namespace {

using Json = nlohmann::json;

const char* const kFormatName = "Dzwonex saved game";

// A point is at least "[0,0]" and a case at least
// {"kind":0,"param":0,"param2":0,"title":"","body":"","subject":null}:
// no file holds more than its size allows.
constexpr size_t kMinPointBytes = 5;
constexpr size_t kMinCaseBytes = 67;

struct PointsRead {
    bool seen = false;  // the "points" array was there
    std::optional<int64_t> count;
    std::vector<PointSnapshot> points;
};

struct KindRead {
    std::optional<int64_t> kind;
    PointsRead list;
};

struct SubjectRead {
    std::optional<int64_t> kind, index, departed;
};

struct CaseRead {
    std::optional<int64_t> kind, param, param2;
    std::optional<std::string> title, body;
    bool hasSubject = false;  // the field was there, maybe null
    std::optional<SubjectRead> subject;
};

struct FileRead {
    std::optional<std::string> format, gameVersion, userName;
    std::optional<int64_t> formatVersion, day, cash, banner, speed, generator;
    std::optional<double> opinion, quality;
    bool hasLastDay = false;
    std::optional<int64_t> income, staff, repairs, equipment;
    bool hasSubscribers = false;
    std::vector<KindRead> kinds;
    bool hasDeparted = false;
    PointsRead departed;
    bool hasCases = false, hasCaseList = false;
    std::optional<int64_t> caseCount;
    std::vector<CaseRead> cases;
};

// The plain fields of each object, by name.
template <typename Member>
using Fields = std::initializer_list<std::pair<const char*, Member>>;
using Ints = std::optional<int64_t>;
const Fields<Ints FileRead::*> kRootInts = {
    {"formatVersion", &FileRead::formatVersion},
    {"day", &FileRead::day},
    {"cash", &FileRead::cash},
    {"banner", &FileRead::banner},
    {"speed", &FileRead::speed},
    {"generator", &FileRead::generator},
};
const Fields<std::optional<double> FileRead::*> kRootReals = {{"opinion", &FileRead::opinion},
                                                              {"quality", &FileRead::quality}};
const Fields<std::optional<std::string> FileRead::*> kRootTexts = {
    {"format", &FileRead::format}, {"gameVersion", &FileRead::gameVersion}, {"userName", &FileRead::userName}};
const Fields<Ints FileRead::*> kLastDayInts = {{"income", &FileRead::income},
                                               {"staff", &FileRead::staff},
                                               {"repairs", &FileRead::repairs},
                                               {"equipment", &FileRead::equipment}};
const Fields<Ints CaseRead::*> kCaseInts = {
    {"kind", &CaseRead::kind}, {"param", &CaseRead::param}, {"param2", &CaseRead::param2}};
const Fields<std::optional<std::string> CaseRead::*> kCaseTexts = {{"title", &CaseRead::title},
                                                                   {"body", &CaseRead::body}};
const Fields<Ints SubjectRead::*> kSubjectInts = {
    {"kind", &SubjectRead::kind}, {"index", &SubjectRead::index}, {"departed", &SubjectRead::departed}};

template <typename Member>
Member Find(Fields<Member> fields, const std::string& key) {
    for (const auto& [name, member] : fields)
        if (key == name) return member;
    return nullptr;
}

struct Value {
    enum Type { Null, Bool, Int, Real, Huge, Text, Binary } type = Null;
    int64_t i = 0;
    double d = 0;
    std::string* s = nullptr;
};

// Where in the format a container stands.
enum class Node { Root, LastDay, Subscribers, Group, Points, Point, Cases, CaseList, Case, Subject, Bytes, Skip };

struct Frame {
    Node node = Node::Skip;
    bool array = false;
    std::string key;                             // objects: the field being read
    std::vector<std::string> keys;               // objects: the fields seen
    size_t count = 0;                            // arrays: the elements begun
    size_t current = 0;                          // arrays: the element being read
    PointsRead* points = nullptr;                // Group, Points, Point
    std::optional<int64_t>* kind = nullptr;      // Group of a subscriber kind
    CaseRead* item = nullptr;                    // Case, Subject
    std::optional<std::string>* text = nullptr;  // Bytes
    int64_t xy[2] = {0, 0};                      // Point
};

class Reader {
public:
    explicit Reader(size_t textSize) : textSize_(textSize) {}

    FileRead read;
    std::optional<std::string> syntaxError;
    bool tooDeep = false;
    std::optional<std::string> notObject;
    std::optional<std::string> fault;  // the first thing wrong

    // --- The parser's events ---
    bool null() { return Scalar({}); }
    bool boolean(bool) { return Scalar({Value::Bool}); }
    bool number_integer(int64_t v) { return Scalar({Value::Int, v}); }
    bool number_unsigned(uint64_t v) {
        if (v > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return Scalar({Value::Huge});
        return Scalar({Value::Int, static_cast<int64_t>(v)});
    }
    bool number_float(double v, const std::string&) { return Scalar({Value::Real, 0, v}); }
    bool string(std::string& v) { return Scalar({Value::Text, 0, 0, &v}); }
    bool binary(Json::binary_t&) { return Scalar({Value::Binary}); }
    bool start_object(size_t) { return Open(false); }
    bool start_array(size_t) { return Open(true); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }
    bool key(std::string& k) {
        Frame& f = frames_.back();
        if (f.node != Node::Skip && !fault) {
            for (const std::string& seen : f.keys)
                if (seen == k) Fail((frames_.size() > 1 ? Path(frames_.size() - 2) + "." : "") + k + " appears twice");
            f.keys.push_back(k);
        }
        f.key = k;
        return true;
    }
    bool parse_error(size_t, const std::string&, const nlohmann::detail::exception& e) {
        std::string what = e.what();
        // Drop the library's "[json.exception.parse_error.101] ".
        if (const auto close = what.find("] "); what.rfind("[json.exception.", 0) == 0 && close != std::string::npos)
            what.erase(0, close + 2);
        syntaxError = what;
        return false;
    }

private:
    void Fail(const std::string& why) {
        if (!fault) fault = why;
    }

    // The name of what frame `depth` is reading, e.g. cases.list[3].param.
    std::string Path(size_t depth) const {
        std::string path;
        for (size_t i = 0; i <= depth && i < frames_.size(); ++i) {
            const Frame& f = frames_[i];
            if (f.array)
                path += "[" + std::to_string(f.current) + "]";
            else
                path += (i ? "." : "") + f.key;
        }
        return path;
    }
    std::string Here() const { return Path(frames_.size() - 1); }

    // The next element of an array begins.
    void Begin() {
        Frame& f = frames_.back();
        if (f.array) f.current = f.count++;
    }

    void Int(const Value& v, std::optional<int64_t>& out) {
        if (v.type == Value::Int)
            out = v.i;
        else
            Fail(Here() + (v.type == Value::Real || v.type == Value::Huge ? " is not a whole number of the right size"
                                                                          : " is not a number"));
    }
    void Real(const Value& v, std::optional<double>& out) {
        if (v.type == Value::Int)
            out = static_cast<double>(v.i);
        else if (v.type == Value::Real)
            out = v.d;
        else
            Fail(Here() + " is not a number");
    }
    void Text(const Value& v, std::optional<std::string>& out) {
        if (v.type == Value::Text)
            out = std::move(*v.s);
        else
            Fail(Here() + " is not a text");
    }
    // A declared count: not negative, and no more than the file can hold.
    void Count(const Value& v, std::optional<int64_t>& out, size_t minBytes, const char* things) {
        Int(v, out);
        if (!out) return;
        if (*out < 0) {
            Fail(Here() + " is negative (" + std::to_string(*out) + ")");
        } else if (static_cast<uint64_t>(*out) > textSize_ / minBytes) {
            Fail(Here() + " declares " + std::to_string(*out) + " " + things + ", more than a file of " +
                 std::to_string(textSize_) + " bytes can hold");
        }
    }
    // What the format holds at the frame's current field or element, or
    // nullptr for a field it does not have.
    static const char* Expected(const Frame& f) {
        const std::string& k = f.key;
        switch (f.node) {
            case Node::Root:
                if (k == "subscribers") return "a list";
                if (k == "lastDay" || k == "departed" || k == "cases") return "an object";
                if (Find(kRootTexts, k)) return "a text";
                return Find(kRootInts, k) || Find(kRootReals, k) ? "a number" : nullptr;
            case Node::LastDay:
                return Find(kLastDayInts, k) ? "a number" : nullptr;
            case Node::Subscribers:
            case Node::CaseList:
                return "an object";
            case Node::Group:
                if (k == "points") return "a list";
                return k == "count" || (k == "kind" && f.kind) ? "a number" : nullptr;
            case Node::Points:
                return "a pair [x, y]";
            case Node::Point:
            case Node::Bytes:
                return "a number";
            case Node::Cases:
                if (k == "list") return "a list";
                return k == "count" ? "a number" : nullptr;
            case Node::Case:
                if (k == "subject") return "null or an object";
                if (Find(kCaseTexts, k)) return "a text";
                return Find(kCaseInts, k) ? "a number" : nullptr;
            case Node::Subject:
                return Find(kSubjectInts, k) ? "a number" : nullptr;
            case Node::Skip:
                break;
        }
        return nullptr;
    }
    // A value of the wrong sort, or a field the format does not have.
    void Mismatch() {
        const char* expected = Expected(frames_.back());
        Fail(Here() + (expected ? std::string(" is not ") + expected : std::string(" is not a field of a saved game")));
    }

    bool Scalar(const Value& v) {
        if (frames_.empty()) {
            notObject = "the file holds a single value, not an object";
            return true;
        }
        Begin();
        Frame& f = frames_.back();
        if (f.node == Node::Skip) return true;
        // After a fault only the format version matters, for the message.
        if (fault && !(f.node == Node::Root && f.key == "formatVersion")) return true;
        const std::string& k = f.key;
        switch (f.node) {
            case Node::Root:
                if (auto field = Find(kRootInts, k))
                    Int(v, read.*field);
                else if (auto real = Find(kRootReals, k))
                    Real(v, read.*real);
                else if (auto text = Find(kRootTexts, k))
                    Text(v, read.*text);
                else
                    Mismatch();
                break;
            case Node::LastDay:
                if (auto field = Find(kLastDayInts, k))
                    Int(v, read.*field);
                else
                    Mismatch();
                break;
            case Node::Group:
                if (k == "kind" && f.kind) {
                    Int(v, *f.kind);
                } else if (k == "count") {
                    Count(v, f.points->count, kMinPointBytes, "points");
                    if (!fault && !f.points->seen) f.points->points.reserve(static_cast<size_t>(*f.points->count));
                } else {
                    Mismatch();
                }
                break;
            case Node::Point:
                if (f.current >= 2) {
                    Fail(Path(frames_.size() - 2) + " is not a pair [x, y]");
                } else {
                    std::optional<int64_t> c;
                    Int(v, c);
                    if (c) f.xy[f.current] = *c;
                }
                break;
            case Node::Cases:
                if (k == "count")
                    Count(v, read.caseCount, kMinCaseBytes, "cases");
                else
                    Mismatch();
                break;
            case Node::Case:
                if (auto field = Find(kCaseInts, k))
                    Int(v, f.item->*field);
                else if (auto text = Find(kCaseTexts, k))
                    Text(v, f.item->*text);
                else if (k == "subject" && v.type == Value::Null)
                    f.item->hasSubject = true;
                else
                    Mismatch();
                break;
            case Node::Subject:
                if (auto field = Find(kSubjectInts, k))
                    Int(v, (*f.item->subject).*field);
                else
                    Mismatch();
                break;
            case Node::Bytes: {
                std::optional<int64_t> byte;
                Int(v, byte);
                if (byte && (*byte < 0 || *byte > 255)) Fail(Here() + " is not a byte (0..255)");
                if (!fault && byte) (*f.text)->push_back(static_cast<char>(*byte));
                break;
            }
            case Node::Subscribers:
            case Node::CaseList:
            case Node::Points:
                Mismatch();
                break;
            case Node::Skip:
                break;
        }
        return true;
    }

    bool Open(bool array) {
        if (frames_.size() >= kSavedGameMaxDepth) {
            tooDeep = true;
            return false;
        }
        Frame child;
        child.array = array;
        if (frames_.empty()) {
            if (array)
                notObject = "the file holds a list, not an object";
            else
                child.node = Node::Root;
            frames_.push_back(std::move(child));
            return true;
        }
        Begin();
        Frame& f = frames_.back();
        if (f.node != Node::Skip && !fault) {
            child.node = ChildNode(f, array, child);
            if (child.node == Node::Skip) Mismatch();
        }
        frames_.push_back(std::move(child));
        return true;
    }

    // The container a field or element opens, or Skip when it does not belong there.
    Node ChildNode(const Frame& f, bool array, Frame& child) {
        const std::string& k = f.key;
        switch (f.node) {
            case Node::Root:
                if (!array && k == "lastDay") return read.hasLastDay = true, Node::LastDay;
                if (array && k == "subscribers") return read.hasSubscribers = true, Node::Subscribers;
                if (!array && k == "departed") {
                    read.hasDeparted = true;
                    child.points = &read.departed;
                    return Node::Group;
                }
                if (!array && k == "cases") return read.hasCases = true, Node::Cases;
                if (array && k == "userName") return BytesInto(child, read.userName);
                break;
            case Node::Subscribers:
                if (!array) {
                    KindRead& kind = read.kinds.emplace_back();
                    child.points = &kind.list;
                    child.kind = &kind.kind;
                    return Node::Group;
                }
                break;
            case Node::Group:
                if (array && k == "points") {
                    f.points->seen = true;
                    child.points = f.points;
                    return Node::Points;
                }
                break;
            case Node::Points:
                if (array) {
                    child.points = f.points;
                    return Node::Point;
                }
                break;
            case Node::Cases:
                if (array && k == "list") {
                    read.hasCaseList = true;
                    // Not reserved: a case read takes more room than its text, and
                    // only complete ones are kept.
                    return Node::CaseList;
                }
                break;
            case Node::CaseList:
                if (!array) {
                    child.item = &read.cases.emplace_back();
                    return Node::Case;
                }
                break;
            case Node::Case:
                if (!array && k == "subject") {
                    f.item->hasSubject = true;
                    f.item->subject.emplace();
                    child.item = f.item;
                    return Node::Subject;
                }
                if (array && k == "title") return BytesInto(child, f.item->title);
                if (array && k == "body") return BytesInto(child, f.item->body);
                break;
            default:
                break;
        }
        return Node::Skip;
    }

    static Node BytesInto(Frame& child, std::optional<std::string>& text) {
        text.emplace();
        child.text = &text;
        return Node::Bytes;
    }

    bool Close() {
        const Frame& f = frames_.back();
        if (!fault) {
            if (f.node == Node::Point) {
                if (f.count != 2)
                    Fail(Path(frames_.size() - 2) + " is not a pair [x, y]");
                else if (f.xy[0] < std::numeric_limits<int32_t>::min() ||
                         f.xy[0] > std::numeric_limits<int32_t>::max() ||
                         f.xy[1] < std::numeric_limits<int32_t>::min() || f.xy[1] > std::numeric_limits<int32_t>::max())
                    Fail(Path(frames_.size() - 2) + " lies far outside any map");
                else
                    f.points->points.push_back({static_cast<int32_t>(f.xy[0]), static_cast<int32_t>(f.xy[1])});
            } else if (f.node == Node::Case) {
                // A case missing a field ends the reading here, before more are kept.
                const CaseRead& c = *f.item;
                const char* missing = !c.kind         ? "kind"
                                      : !c.param      ? "param"
                                      : !c.param2     ? "param2"
                                      : !c.title      ? "title"
                                      : !c.body       ? "body"
                                      : !c.hasSubject ? "subject"
                                                      : nullptr;
                if (missing) Fail(Path(frames_.size() - 2) + " has no " + missing);
            }
        }
        frames_.pop_back();
        return true;
    }

    size_t textSize_;
    std::vector<Frame> frames_;
};

[[noreturn]] void NotOurs(const std::string& name, const std::string& why, const std::string& polishWhy = {}) {
    throw NotASavedGame(name, why, polishWhy);
}

int32_t Int32(const std::string& name, const std::optional<int64_t>& v, const std::string& what) {
    if (!v) NotOurs(name, what + " is missing");
    if (*v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
        NotOurs(name, what + " is out of range (" + std::to_string(*v) + ")");
    return static_cast<int32_t>(*v);
}

std::vector<PointSnapshot> Points(const std::string& name, PointsRead& read, const std::string& what) {
    if (!read.count) NotOurs(name, what + ".count is missing");
    if (!read.seen) NotOurs(name, what + ".points is missing");
    if (static_cast<uint64_t>(*read.count) != read.points.size())
        NotOurs(name, what + ".count says " + std::to_string(*read.count) + " but there are " +
                          std::to_string(read.points.size()) + " points");
    return std::move(read.points);
}

}  // namespace

CompanySnapshot ParseSavedGame(std::string_view text, const std::string& name) {
    if (text.empty()) NotOurs(name, "the file is empty", "plik jest pusty");
    Reader reader(text.size());
    Json::sax_parse(text.begin(), text.end(), &reader);
    FileRead& r = reader.read;

    if (r.formatVersion && *r.formatVersion > kSavedGameFormat) {
        const std::string saver = (r.gameVersion ? "Dzwonex " + *r.gameVersion + ", " : std::string()) + "format " +
                                  std::to_string(*r.formatVersion);
        const std::string read = std::to_string(kSavedGameFormat);
        throw SavedGameError(name + " was saved by a newer version of Dzwonex (" + saver +
                                 "; this version reads format " + read + " and older)",
                             "Plik " + name + " zapisała nowsza wersja Dzwonex (" + saver +
                                 "; ta wersja czyta format " + read + " i starsze)");
    }
    if (reader.syntaxError) NotOurs(name, "not JSON: " + *reader.syntaxError, "to nie JSON: " + *reader.syntaxError);
    if (reader.tooDeep) NotOurs(name, "nested deeper than " + std::to_string(kSavedGameMaxDepth) + " levels");
    if (reader.notObject) NotOurs(name, *reader.notObject);
    if (r.format != kFormatName) NotOurs(name, std::string("no \"format\": \"") + kFormatName + "\"");
    if (reader.fault) NotOurs(name, *reader.fault);
    if (!r.formatVersion || *r.formatVersion < 1) NotOurs(name, "formatVersion is missing or below 1");

    CompanySnapshot s;
    s.day = Int32(name, r.day, "day");
    s.cash = Int32(name, r.cash, "cash");
    if (!r.opinion) NotOurs(name, "opinion is missing");
    if (!r.quality) NotOurs(name, "quality is missing");
    s.opinion = *r.opinion;
    s.quality = *r.quality;
    s.bannerIndex = Int32(name, r.banner, "banner");
    s.speed = Int32(name, r.speed, "speed");
    if (!r.generator) NotOurs(name, "generator is missing");
    if (*r.generator < 0 || *r.generator > std::numeric_limits<uint32_t>::max())
        NotOurs(name, "generator is out of range (" + std::to_string(*r.generator) + ")");
    s.generator = static_cast<uint32_t>(*r.generator);
    if (!r.userName) NotOurs(name, "userName is missing");
    s.userName = std::move(*r.userName);
    if (!r.hasLastDay) NotOurs(name, "lastDay is missing");
    s.lastDay.income = Int32(name, r.income, "lastDay.income");
    s.lastDay.staff = Int32(name, r.staff, "lastDay.staff");
    s.lastDay.repairs = Int32(name, r.repairs, "lastDay.repairs");
    s.lastDay.equipment = Int32(name, r.equipment, "lastDay.equipment");

    if (!r.hasSubscribers) NotOurs(name, "subscribers is missing");
    if (r.kinds.size() != kKindCount)
        NotOurs(name, "subscribers holds " + std::to_string(r.kinds.size()) + " lists instead of " +
                          std::to_string(kKindCount));
    for (size_t i = 0; i < r.kinds.size(); ++i) {
        const std::string what = "subscribers[" + std::to_string(i) + "]";
        if (r.kinds[i].kind != static_cast<int64_t>(i + 1))
            NotOurs(name, what + ".kind is not " + std::to_string(i + 1));
        s.subscribers[i] = Points(name, r.kinds[i].list, what);
    }
    if (!r.hasDeparted) NotOurs(name, "departed is missing");
    const std::vector<PointSnapshot> departed = Points(name, r.departed, "departed");

    if (!r.hasCases) NotOurs(name, "cases is missing");
    if (!r.caseCount) NotOurs(name, "cases.count is missing");
    if (!r.hasCaseList) NotOurs(name, "cases.list is missing");
    if (static_cast<uint64_t>(*r.caseCount) != r.cases.size())
        NotOurs(name, "cases.count says " + std::to_string(*r.caseCount) + " but there are " +
                          std::to_string(r.cases.size()) + " cases");
    s.cases.reserve(r.cases.size());
    for (size_t i = 0; i < r.cases.size(); ++i) {
        CaseRead& c = r.cases[i];
        const std::string what = "cases.list[" + std::to_string(i) + "]";
        CaseSnapshot& out = s.cases.emplace_back();
        out.kind = Int32(name, c.kind, what + ".kind");
        out.param = Int32(name, c.param, what + ".param");
        out.param2 = Int32(name, c.param2, what + ".param2");
        out.title = std::move(*c.title);
        out.body = std::move(*c.body);
        if (!c.subject) continue;
        const SubjectRead& ref = *c.subject;
        SubjectSnapshot subject;
        if (ref.departed && !ref.kind && !ref.index) {
            if (*ref.departed < 0 || static_cast<uint64_t>(*ref.departed) >= departed.size())
                NotOurs(name,
                        what + " names departed point " + std::to_string(*ref.departed) + ", which does not exist");
            const PointSnapshot& p = departed[static_cast<size_t>(*ref.departed)];
            subject = {p.x, p.y, false, 0, static_cast<int32_t>(*ref.departed)};
        } else if (ref.kind && ref.index && !ref.departed) {
            if (*ref.kind < 1 || *ref.kind > kKindCount)
                NotOurs(name, what + " names a point of unknown kind " + std::to_string(*ref.kind));
            const auto& list = s.subscribers[static_cast<size_t>(*ref.kind - 1)];
            if (*ref.index < 0 || static_cast<uint64_t>(*ref.index) >= list.size())
                NotOurs(name, what + " names point " + std::to_string(*ref.index) + " of kind " +
                                  std::to_string(*ref.kind) + ", which does not exist");
            const PointSnapshot& p = list[static_cast<size_t>(*ref.index)];
            subject = {p.x, p.y, true, static_cast<int32_t>(*ref.kind), static_cast<int32_t>(*ref.index)};
        } else {
            NotOurs(name, what + ".subject needs either kind and index or departed");
        }
        out.subject = subject;
    }
    return s;
}

SavedGameError NotASavedGame(const std::string& name, const std::string& why, const std::string& polishWhy) {
    return SavedGameError(
        name + " is not a Dzwonex saved game (" + why + ")",
        "Plik " + name + " nie jest zapisaną grą Dzwonex (" + (polishWhy.empty() ? why : polishWhy) + ")");
}

}  // namespace dzwonex
