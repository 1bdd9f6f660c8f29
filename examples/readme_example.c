#include <poll.h>
#include <quor.h>
#include <stdio.h>

static int online = 1;
static void on_login(QUORHANDLE h, int result) {
    (void)h;
    printf("login: %s\n", quor_geterrortext(result));
    online = result == 0;
}
static void on_text(QUORHANDLE h, const char *sender, const char *text) {
    (void)h;
    printf("%s: %s\n", sender, text);
}
static void on_disconnect(QUORHANDLE h) {
    (void)h;
    online = 0;
}

int main(void) {
    quor_setserver("localhost", QUOR_DEFAULT_PORT);
    quor_init(QUOR_API_BUILD);
    quor_setcallback(QUOR_CB_LOGIN, (QUORCALLBACK)on_login);
    quor_setcallback(QUOR_CB_TEXT, (QUORCALLBACK)on_text);
    quor_setcallback(QUOR_CB_DISCONNECT, (QUORCALLBACK)on_disconnect);
    QUORHANDLE h = quor_create();
    if (quor_login(h, "anna", "secret") != 0) {
        fprintf(stderr, "login: %s\n", quor_geterrortext(quor_getlasterror()));
        return 1;
    }
    struct pollfd pfd = {quor_getfd(), POLLIN, 0};
    while (online && poll(&pfd, 1, -1) >= 0)
        quor_pump(0);
    quor_term();
    return 0;
}
