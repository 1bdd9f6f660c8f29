/* SPDX-License-Identifier: MIT */
/* The public header compiles as strict C99, and the shared library's
 * exports link and work from C. */
#include "quor.h"

#include <stdio.h>
#include <string.h>

static int failures = 0;

static void check(int ok, const char *what) {
    if (!ok) {
        printf("FAILED: %s\n", what);
        ++failures;
    }
}

static void on_text(QUORHANDLE h, const char *sender, const char *text) {
    (void)h;
    (void)sender;
    (void)text;
}

int main(void) {
    QUORHANDLE h;
    check(quor_init(QUOR_API_BUILD) == 0, "init");
    check(quor_setcallback(QUOR_CB_TEXT, (QUORCALLBACK)on_text) == 0, "setcallback");
    check(quor_setcallback(QUOR_CB_COUNT, (QUORCALLBACK)on_text) == 1, "slot 24 refused");
    h = quor_create();
    check(h != NULL, "create");
    check(quor_setuserdata(h, 7) == 0 && quor_getuserdata(h) == 7, "user data");
    check(quor_sendtext(h, "anna", "hi") == 1 && quor_getlasterror() == QUOR_ERR_NOT_LOGGED_ON,
          "requests need a logged-on session");
    check(strcmp(quor_geterrortext(25), "QUORHANDLE in use") == 0, "error text");
    check(strcmp(quor_geterrortext(QUOR_ERR_PROXY_SETTING), "proxy setting invalid") == 0,
          "error text of the newest code");
    check(quor_settls(7, NULL) == 1 && quor_getlasterror() == QUOR_ERR_TLS_SETUP,
          "unknown TLS mode refused");
    check(quor_settls(QUOR_TLS_OFF, NULL) == 0, "TLS off");
    check(quor_setproxy(QUOR_PROXY_HTTP, "", 3128, NULL, NULL) == 1 &&
              quor_getlasterror() == QUOR_ERR_PROXY_SETTING,
          "proxy without a host refused");
    check(quor_setproxy(QUOR_PROXY_NONE, NULL, 0, NULL, NULL) == 0, "no proxy");
    check(quor_getfd() >= 0, "descriptor");
    check(quor_pump(0) == 0, "pump");
    check(quor_destroy(h) == 0, "destroy");
    quor_term();
    check(quor_pump(0) == 1 && quor_getlasterror() == QUOR_ERR_NOT_INITIALIZED, "terminated");
    printf("%d passed, %d failed\n", failures == 0 ? 1 : 0, failures == 0 ? 0 : 1);
    return failures == 0 ? 0 : 1;
}
