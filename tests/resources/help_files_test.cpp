// The help and companion files that stand beside the program: present, passing the game's own
// validity check, well-formed, and holding a topic for every help context the program opens.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path filesFolder() {
    // ctest names the source folder; run by hand, the test finds it from its own source path.
    const char* source = std::getenv("QUOPA_SOURCE_DIR");
    const fs::path root =
        source ? fs::path(source) : fs::path(__FILE__).parent_path().parent_path().parent_path();
    return root / "resources" / "files";
}

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What the game reads to accept a help file: the first delimited field (leading blanks skipped,
// ended by a comma, a line break or the end) must begin with "?_".
bool passesTheGamesCheck(const std::string& text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos) return false;
    const std::size_t end = text.find_first_of(",\r\n", at);
    return text.substr(at, end == std::string::npos ? std::string::npos : end - at)
               .rfind("?_", 0) == 0;
}

// Joins the parts of a reported tag (appending, which keeps GCC 12's -Wrestrict quiet).
std::string joined(std::initializer_list<std::string> parts) {
    std::string out;
    for (const std::string& p : parts) out += p;
    return out;
}

// The first unbalanced tag of an HTML text, or "" when every element that needs one is closed
// in order.
std::string firstUnbalancedTag(const std::string& html) {
    static const std::vector<std::string> kVoid{"meta", "br", "hr", "img", "link", "input"};
    std::vector<std::string> open;
    for (std::size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        if (html.compare(at, 2, "<!") == 0) continue;
        const bool closing = html.compare(at, 2, "</") == 0;
        std::size_t nameStart = at + (closing ? 2 : 1);
        std::size_t nameEnd = nameStart;
        while (nameEnd < html.size() && std::isalnum(static_cast<unsigned char>(html[nameEnd])))
            ++nameEnd;
        std::string name = html.substr(nameStart, nameEnd - nameStart);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        if (name.empty()) return joined({"<", html.substr(nameStart, 10)});
        if (closing) {
            if (open.empty() || open.back() != name) return joined({"</", name, ">"});
            open.pop_back();
        } else if (std::find(kVoid.begin(), kVoid.end(), name) == kVoid.end()) {
            open.push_back(name);
        }
    }
    return open.empty() ? "" : joined({"<", open.back(), "> left open"});
}

const char* const kHelpFiles[] = {"Ajudquopa.hlp", "Helpquopa.hlp"};
const int kHelpContexts[] = {10, 100, 200, 300, 400, 500, 650, 850, 860, 1000, 1156};

TEST(ShippedHelpFiles, BeginWithTheMarkTheGameChecks) {
    for (const char* name : kHelpFiles) {
        const std::string text = readAll(filesFolder() / name);
        ASSERT_FALSE(text.empty()) << name;
        EXPECT_TRUE(passesTheGamesCheck(text)) << name;
    }
}

TEST(ShippedHelpFiles, HoldOneTopicForEveryHelpContext) {
    for (const char* name : kHelpFiles) {
        const std::string text = readAll(filesFolder() / name);
        for (int context : kHelpContexts) {
            const std::string anchor = "<a name=\"" + std::to_string(context) + "\">";
            const std::size_t first = text.find(anchor);
            EXPECT_NE(first, std::string::npos) << name << " lacks " << anchor;
            EXPECT_EQ(text.find(anchor, first + 1), std::string::npos)
                << name << " repeats " << anchor;
        }
    }
}

TEST(ShippedHelpFiles, ExplainTheKeyboardMarkingKeys) {
    const std::string portuguese = readAll(filesFolder() / "Ajudquopa.hlp");
    const std::string english = readAll(filesFolder() / "Helpquopa.hlp");
    for (const std::string* text : {&portuguese, &english}) {
        EXPECT_NE(text->find(">P</td>"), std::string::npos);
        EXPECT_NE(text->find(">Z</td>"), std::string::npos);
        EXPECT_NE(text->find("4 × face + 20"), std::string::npos);
    }
    EXPECT_NE(portuguese.find("<b>p</b>ontos"), std::string::npos);
    EXPECT_NE(portuguese.find("<b>z</b>ero"), std::string::npos);
}

TEST(ShippedCompanionFiles, ArePresentAndWellFormed) {
    const fs::path folder = filesFolder();
    for (const char* name : {"Ajudquopa.hlp", "Helpquopa.hlp", "ostrelo.chm", "marketin.chm",
                             "rules/regras.html", "rules/rules.html"}) {
        SCOPED_TRACE(name);
        const std::string text = readAll(folder / name);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_EQ(firstUnbalancedTag(text), "");
    }
}

TEST(ShippedCompanionFiles, OpenInTheProgramsHelpViewer) {
    for (const char* name : {"ostrelo.chm", "marketin.chm"})
        EXPECT_TRUE(passesTheGamesCheck(readAll(filesFolder() / name))) << name;
}

TEST(ShippedFilesHtmlCheck, FindsAnElementLeftOpenOrClosedOutOfOrder) {
    EXPECT_EQ(firstUnbalancedTag("<p>a<br>b</p>"), "");
    EXPECT_EQ(firstUnbalancedTag("<p><b>a</p></b>"), "</p>");
    EXPECT_EQ(firstUnbalancedTag("<table><tr><td>1</td></tr>"), "<table> left open");
}

}  // namespace
