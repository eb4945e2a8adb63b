#!/usr/bin/env bash
# A private Dovecot POP3 and IMAP server on 127.0.0.1 for tests, benchmarks and
# the demo. Over IMAP every mailbox has a folder "Junk" marked \Junk.
# Must run as root (Dovecot drops to its own users). Every state lives in DIR.
#
#   dovecot.sh start DIR [--tls] [--owner PID] [--oauth2 INTROSPECTION_URL]
#       Writes the configuration, makes a self-signed certificate for "localhost"
#       when --tls is given (DIR/cert.pem, DIR/key.pem), starts Dovecot on free
#       ports and prints "port=N" and "imapport=N" (and "tlsport=N" and
#       "imapsport=N" with --tls). With --owner, the
#       server stops by itself once process PID has ended. With --oauth2, it also
#       signs in with XOAUTH2 and OAUTHBEARER, checking tokens at the URL.
#   dovecot.sh add-user DIR USER PASSWORD
#       Adds a mailbox (DIR/mail/USER/Maildir); works before and after start.
#   dovecot.sh add-message DIR USER < message
#       Stores one message (read from standard input) as the newest of USER's
#       inbox.
#   dovecot.sh own DIR
#       Gives the mail tree to the dovecot user (after writing messages directly
#       into DIR/mail/USER/Maildir/new).
#   dovecot.sh stop DIR
#       Stops the server started in DIR and waits until it has gone.
#   dovecot.sh cert DIR
#       Only makes the self-signed certificate (DIR/cert.pem, DIR/key.pem).
set -euo pipefail

die() { echo "dovecot.sh: $*" >&2; exit 1; }

[ $# -ge 2 ] || die "usage: dovecot.sh start|add-user|add-message|own|stop|cert DIR ..."
cmd=$1
dir=$(realpath -m "$2")
shift 2

dovecot_uid=$(id -u dovecot 2>/dev/null) || die "the dovecot user does not exist (run scripts/setup)"
dovecot_gid=$(id -g dovecot)

# Alive and not a zombie waiting for its parent to collect it.
is_running() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat"; }

port_is_free() { ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

free_port() {
    local p
    for _ in $(seq 1 50); do
        p=$((20000 + RANDOM % 40000))
        if port_is_free "$p"; then echo "$p"; return 0; fi
    done
    die "no free port found"
}

write_config() {
    local port=$1 tlsport=$2 tls=$3 imapport=$4 imapsport=$5
    sed -e "s|@DIR@|$dir|g" -e "s|@PORT@|$port|g" -e "s|@TLSPORT@|$tlsport|g" \
        -e "s|@IMAPPORT@|$imapport|g" -e "s|@IMAPSPORT@|$imapsport|g" >"$dir/dovecot.conf" <<'CONF'
base_dir = @DIR@/run
state_dir = @DIR@/run
log_path = @DIR@/dovecot.log
protocols = pop3 imap
listen = 127.0.0.1
disable_plaintext_auth = no
auth_mechanisms = plain
mail_location = maildir:~/Maildir
default_internal_user = dovecot
default_internal_group = dovecot
default_login_user = dovenull
first_valid_uid = 1
pop3_uidl_format = %08Xu%08Xv
passdb {
  driver = passwd-file
  args = @DIR@/users/%u
}
userdb {
  driver = passwd-file
  args = @DIR@/users/%u
}
service pop3-login {
  inet_listener pop3 {
    port = @PORT@
  }
  inet_listener pop3s {
    port = @TLSPORT@
  }
}
service imap-login {
  inet_listener imap {
    port = @IMAPPORT@
  }
  inet_listener imaps {
    port = @IMAPSPORT@
  }
}
# New mail reaches a client waiting in IDLE within a second.
mailbox_idle_check_interval = 1 secs
namespace inbox {
  inbox = yes
  mailbox Junk {
    special_use = \Junk
    auto = create
  }
}
service anvil {
  chroot =
}
CONF
    if [ "$tls" = 1 ]; then
        cat >>"$dir/dovecot.conf" <<CONF
ssl = yes
ssl_cert = <$dir/cert.pem
ssl_key = <$dir/key.pem
CONF
    else
        echo "ssl = no" >>"$dir/dovecot.conf"
    fi
    if [ -n "$oauth2" ]; then
        # Tokens are checked by posting them to the provider's introspection
        # endpoint; passwords keep working through the passwd-file passdb.
        cat >"$dir/oauth2.conf.ext" <<CONF
introspection_mode = post
introspection_url = $oauth2
force_introspection = yes
username_attribute = username
active_attribute = active
active_value = true
CONF
        cat >>"$dir/dovecot.conf" <<CONF
auth_mechanisms = plain xoauth2 oauthbearer
passdb {
  driver = oauth2
  mechanisms = xoauth2 oauthbearer
  args = $dir/oauth2.conf.ext
}
CONF
    fi
}

make_certificate() {
    [ -s "$dir/cert.pem" ] && return 0
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 30 \
        -subj "/CN=localhost" -addext "subjectAltName=DNS:localhost" \
        -keyout "$dir/key.pem" -out "$dir/cert.pem" >/dev/null 2>&1 \
        || die "openssl could not make a certificate"
    chmod 600 "$dir/key.pem"
}

start() {
    local tls=0 owner=""
    oauth2=""
    while [ $# -gt 0 ]; do
        case $1 in
            --tls) tls=1 ;;
            --oauth2) oauth2=$2; shift ;;
            --owner) owner=$2; shift ;;
            *) die "unknown option $1" ;;
        esac
        shift
    done
    mkdir -p "$dir/run" "$dir/mail" "$dir/users"
    chmod 755 "$dir"
    chown "$dovecot_uid:$dovecot_gid" "$dir/users" "$dir/mail"
    [ "$tls" = 1 ] && make_certificate
    rm -f "$dir/run/master.pid"

    local port tlsport imapport imapsport pid
    for _ in 1 2 3 4 5; do
        port=$(free_port)
        imapport=$(free_port)
        tlsport=0
        imapsport=0
        [ "$tls" = 1 ] && tlsport=$(free_port) && imapsport=$(free_port)
        write_config "$port" "$tlsport" "$tls" "$imapport" "$imapsport"
        setsid dovecot -F -c "$dir/dovecot.conf" </dev/null >>"$dir/dovecot.out" 2>&1 &
        pid=$!
        for _ in $(seq 1 100); do
            if ! kill -0 "$pid" 2>/dev/null; then break; fi
            if ! port_is_free "$port" && ! port_is_free "$imapport" &&
                { [ "$tls" = 0 ] || { ! port_is_free "$tlsport" && ! port_is_free "$imapsport"; }; }; then
                echo "$pid" >"$dir/dovecot.pid"
                echo "$port" >"$dir/port"
                echo "$tlsport" >"$dir/tlsport"
                echo "$imapport" >"$dir/imapport"
                echo "$imapsport" >"$dir/imapsport"
                if [ -n "$owner" ]; then
                    setsid bash -c "while kill -0 $owner 2>/dev/null && kill -0 $pid 2>/dev/null; do sleep 1; done; kill -KILL -- -$pid 2>/dev/null" \
                        </dev/null >/dev/null 2>&1 &
                fi
                echo "port=$port"
                echo "imapport=$imapport"
                [ "$tls" = 1 ] && echo "tlsport=$tlsport" && echo "imapsport=$imapsport"
                return 0
            fi
            sleep 0.05
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        rm -f "$dir/run/master.pid"
    done
    die "Dovecot did not start; see $dir/dovecot.log and $dir/dovecot.out"
}

# One passwd file per user: Dovecot reads a changed passwd file again at most
# once a second, which would hide a user added right after a sign-in.
add_user() {
    local user=$1 password=$2
    [[ $user =~ ^[A-Za-z0-9._-]+$ ]] || die "bad user name $user"
    mkdir -p "$dir/users" "$dir/mail/$user/Maildir/new" "$dir/mail/$user/Maildir/cur" \
        "$dir/mail/$user/Maildir/tmp"
    chown -R "$dovecot_uid:$dovecot_gid" "$dir/mail/$user"
    printf '%s:{PLAIN}%s:%s:%s::%s\n' "$user" "$password" "$dovecot_uid" "$dovecot_gid" \
        "$dir/mail/$user" >"$dir/users/$user.new"
    chown "$dovecot_uid:$dovecot_gid" "$dir/users" "$dir/users/$user.new"
    mv "$dir/users/$user.new" "$dir/users/$user"
}

add_message() {
    local user=$1 new="$dir/mail/$1/Maildir/new"
    [ -d "$new" ] || die "no mailbox $user"
    # Seconds and nanoseconds: unique, and sorted by name in delivery order.
    local name
    name=$(date +%s.M%N).P$$.quill
    cat >"$dir/mail/$user/Maildir/tmp/$name"
    chown "$dovecot_uid:$dovecot_gid" "$dir/mail/$user/Maildir/tmp/$name"
    mv "$dir/mail/$user/Maildir/tmp/$name" "$new/$name"
}

stop() {
    [ -f "$dir/dovecot.pid" ] || return 0
    local pid
    pid=$(cat "$dir/dovecot.pid")
    # The master leads its own process group. Nothing is lost by ending the group
    # at once: every mailbox change is on disk when the client got its reply, and
    # a polite shutdown of Dovecot takes seconds.
    kill -KILL -- "-$pid" 2>/dev/null || true
    for _ in $(seq 1 100); do
        is_running "$pid" || break
        sleep 0.02
    done
    rm -f "$dir/dovecot.pid" "$dir/run/master.pid"
}

case $cmd in
    start) start "$@" ;;
    add-user) add_user "$@" ;;
    add-message) add_message "$@" ;;
    own) chown -R "$dovecot_uid:$dovecot_gid" "$dir/mail" ;;
    stop) stop ;;
    cert) mkdir -p "$dir" && make_certificate ;;
    *) die "unknown command $cmd" ;;
esac
