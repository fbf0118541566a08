// The licence shipped beside the program is a PDF that viewers can read
// without repairing it: each cross-reference offset points at its object
// and the page stream is as long as it says.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string readLicence() {
  std::ifstream file(CIRQUET_SCENARIO_DIR "/../../src/resources/docs/EULA.pdf", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(LicenceDocument, IsAWellFormedOnePagePdf) {
  const std::string pdf = readLicence();
  ASSERT_EQ(pdf.rfind("%PDF-1.", 0), 0u);
  EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
  EXPECT_NE(pdf.find("Cirquet End-User Licence Agreement"), std::string::npos);
  EXPECT_NE(pdf.find("Quillonex PCB Design, Inc."), std::string::npos);

  std::smatch m;
  ASSERT_TRUE(std::regex_search(pdf, m, std::regex("startxref\n(\\d+)\n%%EOF\n$")));
  const size_t xref = std::stoul(m[1]);
  ASSERT_EQ(pdf.compare(xref, 4, "xref"), 0);

  const std::string table = pdf.substr(xref);
  const std::regex entry("(\\d{10}) 00000 n ");
  int object = 0;
  for (auto it = std::sregex_iterator(table.begin(), table.end(), entry); it != std::sregex_iterator(); ++it) {
    ++object;
    const size_t offset = std::stoul((*it)[1]);
    const std::string header = std::to_string(object) + " 0 obj";
    EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << "object " << object;
  }
  EXPECT_GE(object, 5);

  ASSERT_TRUE(std::regex_search(pdf, m, std::regex("/Length (\\d+) >>\nstream\n")));
  const size_t start = static_cast<size_t>(m.position(0) + m.length(0));
  EXPECT_EQ(pdf.compare(start + std::stoul(m[1]), 9, "endstream"), 0);
}

}  // namespace
