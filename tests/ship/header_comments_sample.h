/* A header shaped as vu.h: only the functions named vu_Missing... lack a comment. */
/* Documented: a one-line block. */
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
/* ------------------------------------------------------------------------------------
 * A section
 * ---------------------------------------------------------------------------------- */
void* vu_MissingUnderBanner(int count);
/* @@section */
int vu_MissingUnderMarker(HWND window);
/* Documented: a block over two lines,
   the declaration over two lines too. */
HWND vu_TwoLines(HWND parent, int x, int y, int width, int height, const char* text,
                 int id);
int vu_MissingAfterDeclaration(HWND window);
// Documented with line comments,
// two of them.
char* vu_LineComments(char* destination);
/* A comment with a blank line after it. */

int vu_MissingAfterBlank(HWND window);
int vu_MissingTrailing(int a); /* a comment after a declaration */
int vu_MissingAfterTrailing(int a);
/* */
int vu_MissingEmptyComment(int a);
#define vu_NotAFunction(x) (x)
extern int vu_NotAFunctionEither;
/* Documented, with a pointer result. */
float* vu_PointerResult(int count);
