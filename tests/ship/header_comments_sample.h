/*
 * A header shaped as vu.h, with declarations that have their comment and declarations
 * that lack one; header_checker.sh knows which are which.
 */
#ifndef SAMPLE_H
#define SAMPLE_H

/* Documented: a one-line block. */
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

/* ------------------------------------------------------------------------------------
 * A section
 * ---------------------------------------------------------------------------------- */
/* @@section */
int vu_UnderMarker(HWND window);
/* Documented: a block over two lines,
   the declaration over two lines too. */
HWND vu_TwoLines(HWND parent, int x, int y, int width, int height, const char* text,
                 int id);
int vu_AfterDeclaration(HWND window);
// Documented with line comments,
// two of them.
char* vu_LineComments(char* destination);
/* A comment with a blank line after it. */

int vu_AfterBlank(HWND window);
/* ------------------------------------------------------------------------------------
 * Another section
 * ---------------------------------------------------------------------------------- */
void* vu_UnderBanner(int count);
int vu_Trailing(int a); /* a comment after a declaration */
int vu_AfterTrailing(int a);
struct tagSample;
int vu_AfterForward(struct tagSample* record);
/* */
int vu_EmptyComment(int a);
#define vu_NotAFunction(x) (x)
extern int vu_NotAFunctionEither;
/* Documented, with a pointer result. */
float* vu_PointerResult(int count);

#endif
