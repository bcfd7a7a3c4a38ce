#include "3-windows/help/help_text.h"

#include <array>
#include <cstddef>
#include <string>

namespace {

// One entry per line, so the layout of the window's text is visible here.
// The text area wraps each paragraph, so a paragraph is a single line.
constexpr std::array<std::string_view, 26> kLines = {
    "Mireldantholm",
    "",
    "The scores of a sample on a test can vary less than the scores of the "
    "whole population from which the sample comes, for example because only "
    "part of the population was selected or chose to take part. This "
    "restriction of range can lower the validity coefficient obtained in the "
    "sample, so that the coefficient understates how well the test predicts "
    "in the population.",
    "",
    "Example: A sample of employees has taken a cognitive test and has "
    "received a job-performance evaluation. The validity coefficient obtained "
    "in the sample, that is, the correlation between the test scores and the "
    "performance scores, is .44. The standard deviation of the test scores is "
    "9 in the sample but 13 in the unrestricted population, which consists of "
    "all applicants for the job. The variability of the sample is therefore "
    "restricted, and the test may predict job performance better than the "
    "coefficient of .44 suggests. Corrected for restriction of range in the "
    "predictor test, the validity coefficient is .58.",
    "",
    "Restriction of range occurs in predictive validity studies in which a "
    "test is used for selection and the outcome is known only for those who "
    "were selected into the educational programme or the job; the outcomes of "
    "the applicants who were not selected are never observed. It is common in "
    "studies of the scores of standardised admission tests, such as the SAT "
    "for college admission and the GRE for graduate school (see Sackett & "
    "Yang, 2000). It also occurs in studies whose participants were chosen on "
    "a narrow band of one variable, which makes the correlations of that "
    "variable with any other variable artificially low. For example, if a "
    "study of reading admits only students whose IQ scores are above 90, IQ "
    "correlates artificially low with the reading outcome in that study.",
    "",
    "Correcting a validity coefficient for restriction of range in the "
    "predictor is not always proper. Consider the population to which the "
    "result is to be generalised: the correction estimates the validity in "
    "the unrestricted population whose standard deviation you enter, and it "
    "is meaningful only if that is the population in which the test is to be "
    "used. The corrected coefficient may be unstable in small samples, "
    "because the correction enlarges the sampling error of the coefficient "
    "obtained in the sample. The correction also assumes linearity and "
    "homoscedasticity: the relation between the test and the outcome must be "
    "linear, and the spread of the outcome scores must be the same at all "
    "levels of the test scores; otherwise the corrected coefficient can be "
    "misleading.",
    "",
    "",
    "References",
    "Thorndike, R. L. (1949). Personnel selection: Test and measurement "
    "techniques. New York: Wiley.",
    "",
    "Sackett, P. R., & Yang, H. (2000). Correction for range restriction: An "
    "expanded typology. Journal of Applied Psychology, 85(1), 112-118.",
    "",
    "Linn, R. L. (1968). Range restriction problems in the use of "
    "self-selected groups for test validation. Psychological Bulletin, "
    "69(1), 69-73.",
    "",
    "Hunter, J. E., & Schmidt, F. L. (2004). Methods of meta-analysis: "
    "Correcting error and bias in research findings (2nd ed.). Thousand "
    "Oaks, CA: Sage.",
    "",
    // 75 en dashes (U+2013) as explicit UTF-8 bytes, so the text does not
    // depend on the compiler's execution character set.
    "\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93"
    "\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93"
    "\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93"
    "\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93"
    "\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93\xE2\x80\x93",
    "To use the calculator, type the standard deviation of the predictor in "
    "the unrestricted population (U), its standard deviation in the "
    "restricted sample (R) and the validity coefficient obtained in the "
    "sample (r) into the three fields, and click Compute. Clear empties the "
    "form. Both standard deviations must be greater than zero, and the "
    "coefficient must lie between -1 and +1.",
    "",
    "The corrected coefficient is shown to four decimals so that the "
    "computation can be checked, and reported to two decimals, as in the "
    "example above: .5777, that is .58.",
    "",
    "This is Mireldantholm 2.0. It computes the correction for direct "
    "selection on the predictor, which needs the standard deviation of the "
    "predictor in both the restricted sample and the unrestricted population "
    "(Thorndike, 1949).",
};

}  // namespace

std::string_view HelpText() {
    // Joined once and kept, so every caller gets a view of the same storage.
    static const std::string text = [] {
        std::string joined;
        for (std::size_t i = 0; i < kLines.size(); ++i) {
            if (i != 0) joined += '\r';
            joined += kLines[i];
        }
        return joined;
    }();
    return text;
}
