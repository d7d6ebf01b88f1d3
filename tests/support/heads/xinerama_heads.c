/* A stand-in for the X server's Xinerama client library, for the tests of
 * several monitors on one Xvfb screen: it describes the screen as the heads
 * named in OCULARIX_HEADS, "x,y,width,height" each, separated by spaces.
 * Built for the host by scripts/two-heads.sh and found through LD_LIBRARY_PATH. */
#include <stdlib.h>

typedef struct {
    int screen_number;
    short x_org;
    short y_org;
    short width;
    short height;
} XineramaScreenInfo;

int XineramaQueryExtension(void *display, int *event_base, int *error_base) {
    (void)display;
    *event_base = 0;
    *error_base = 0;
    return 1;
}

int XineramaQueryVersion(void *display, int *major, int *minor) {
    (void)display;
    *major = 1;
    *minor = 1;
    return 1;
}

int XineramaIsActive(void *display) {
    (void)display;
    return 1;
}

/* Freed by the caller with XFree, which is free. */
XineramaScreenInfo *XineramaQueryScreens(void *display, int *count) {
    const char *text = getenv("OCULARIX_HEADS");
    XineramaScreenInfo *heads = calloc(16, sizeof(*heads));
    char *end;
    int n = 0;
    (void)display;
    *count = 0;
    if (!text || !heads) {
        free(heads);
        return NULL;
    }
    while (n < 16) {
        long value[4];
        int i;
        for (i = 0; i < 4; ++i) {
            value[i] = strtol(text, &end, 10);
            if (end == text) break;
            text = (*end == ',') ? end + 1 : end;
        }
        if (i < 4) break;
        heads[n].screen_number = n;
        heads[n].x_org = (short)value[0];
        heads[n].y_org = (short)value[1];
        heads[n].width = (short)value[2];
        heads[n].height = (short)value[3];
        ++n;
    }
    if (n == 0) {
        free(heads);
        return NULL;
    }
    *count = n;
    return heads;
}
