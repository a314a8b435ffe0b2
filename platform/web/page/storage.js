// What the page keeps for the visitor: the settings file's bytes in local storage, and a
// joke file of the visitor's own, with its name, in IndexedDB until they remove it. A mark
// in local storage says a file is kept, so that a page with none need not open the database
// (which a first visit would create on disk) before the saver can start.
"use strict";

const zorbelStorage = (() => {
  const settingsKey = "zorbel/Qorv.ini";
  const ownJokesKey = "zorbel/own-jokes-kept";
  // Without local storage the database is asked all the same.
  const ownJokesKept = () => {
    try {
      return localStorage.getItem(ownJokesKey) !== null;
    } catch (e) {
      return true;
    }
  };
  const openDatabase = () => new Promise((resolve, reject) => {
    const request = indexedDB.open("zorbel", 1);
    request.onupgradeneeded = () => request.result.createObjectStore("files");
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
  const inStore = (mode, work) => openDatabase().then((db) => new Promise((resolve, reject) => {
    const transaction = db.transaction("files", mode);
    const request = work(transaction.objectStore("files"));
    transaction.oncomplete = () => { db.close(); resolve(request.result); };
    transaction.onerror = () => { db.close(); reject(transaction.error); };
  }));
  // Bytes as a string of code units 0 to 255, the form local storage keeps them in.
  const toBinary = (bytes) => Array.from(bytes, (b) => String.fromCharCode(b)).join("");
  const fromBinary = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0));
  return {
    readSettings() {
      try {
        const stored = localStorage.getItem(settingsKey);
        return stored === null ? null : fromBinary(stored);
      } catch (e) {
        return null;
      }
    },
    // False when the browser will not keep it (storage off or full).
    writeSettings(bytes) {
      try {
        localStorage.setItem(settingsKey, toBinary(bytes));
        return true;
      } catch (e) {
        return false;
      }
    },
    // {name, bytes} or null.
    readOwnJokes: () => (ownJokesKept()
      ? inStore("readonly", (store) => store.get("own-jokes")).then((v) => v || null)
      : Promise.resolve(null)),
    // Fails when the browser will not keep it, the mark included.
    keepOwnJokes: (name, bytes) => inStore("readwrite", (store) => store.put({ name, bytes }, "own-jokes"))
      .then(() => localStorage.setItem(ownJokesKey, "1")),
    removeOwnJokes: () => {
      try {
        localStorage.removeItem(ownJokesKey);
      } catch (e) {
        // Nothing was marked where nothing can be.
      }
      return inStore("readwrite", (store) => store.delete("own-jokes"));
    },
  };
})();
