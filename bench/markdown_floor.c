// The floor for Markdown pages: md4c's HTML renderer alone, reading a whole file and writing
// the HTML to a buffered stdio stream as the renderer hands it over, with the page build's flags.
// Usage: markdown_floor IN OUT   (/dev/stdin and /dev/stdout for a pipe)
#include <limits.h>
#include <md4c-html.h>
#include <stdio.h>
#include <stdlib.h>

static void put(const MD_CHAR* html, MD_SIZE size, void* out)
{
    fwrite(html, 1, size, out);
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fputs("usage: markdown_floor IN OUT\n", stderr);
        return 2;
    }
    FILE* in = fopen(argv[1], "rb");
    FILE* out = in ? fopen(argv[2], "wb") : NULL;
    if (!out) {
        perror("markdown_floor");
        return 1;
    }
    char* text = NULL;
    size_t size = 0, room = 0, got = 1;
    while (got > 0) {  // doubling: a 64 MiB text is moved a few times at most
        if (size == room && !(text = realloc(text, room = room ? 2 * room : 1 << 16)))
            return 1;
        size += got = fread(text + size, 1, room - size, in);
    }
    // md4c takes the size as an unsigned int.
    int failed = ferror(in) || size > UINT_MAX
        || md_html(text, (MD_SIZE)size, put, out, MD_DIALECT_GITHUB, MD_HTML_FLAG_SKIP_UTF8_BOM);
    return fclose(out) != 0 || failed;
}
