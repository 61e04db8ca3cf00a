// The About box: the version and the validity dates of the two rate files, or the texts that
// tell that a rate file lacks its date, and the files the rates and settings come from.
#pragma once

#include <string>
#include <vector>

#include "app/dialog_template.h"

namespace ferdix {

class CAboutDlg {
  public:
    // The box in the given written standard. The SatserGyldigFra texts of ferdix.ini and
    // land.ini, empty when missing; the files that were read, in lookup order (paths).
    CAboutDlg(int standard, std::string domesticRatesFrom, std::string abroadRatesFrom,
              std::vector<std::string> filesInForce = {});

    static const DialogTemplate& Template();

    // The texts the box shows.
    std::string Title() const;
    std::string VersionLine() const;        // field 1245
    std::string DomesticRatesLine() const;  // field 1247
    std::string AbroadRatesLine() const;    // field 1055
    std::string FilesText() const;          // field 1300, one file a line

  private:
    int m_standard;
    std::string m_strDomestic;
    std::string m_strAbroad;
    std::vector<std::string> m_files;
};

}  // namespace ferdix
